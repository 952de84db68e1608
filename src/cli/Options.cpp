#include "cli/Options.h"

#include "document/SiteUpdate.h"

namespace velko {

namespace {

QCommandLineOption option(const char *name, const char *description, const char *value = nullptr) {
    return QCommandLineOption(QLatin1String(name), QLatin1String(description),
                              QLatin1String(value));
}

} // namespace

CommandLineOptions::CommandLineOptions()
    : generate(option("generate",
                      "print the tag block for the form file FORM (\"-\": standard input), "
                      "UTF-8 with CR LF line breaks",
                      "FORM"))
    , lowerCaseDc(
          option("lowercase-dc", "write the Dublin Core names as DC.title, DC.creator, ..."))
    , insert(option("insert",
                    "insert the tag block after the head tag of PAGE and print the page, in its "
                    "own encoding and line breaks",
                    "FORM"))
    , output(option("output", "write the page to FILE instead (FILE may be PAGE)", "FILE"))
    , update(option("update",
                    "bring the tags of PAGE up to date with the form: replace the ones it has, "
                    "add the ones it lacks, remove duplicates; print the page, every other byte "
                    "as it was",
                    "FORM"))
    , inPlace(option("in-place", "with --update: write each page back, if it changes"))
    , dryRun(option("dry-run",
                    "with --update: write nothing, print a unified diff of each page that would "
                    "change"))
    , keepPageFields(QStringLiteral("keep-page-fields"),
                     QStringLiteral("with --update: leave each page's own ") + pageOwnTagNames() +
                         QStringLiteral(" (and their Dublin Core and comment copies) as they are"))
    , backup(option("backup",
                    "with --update --in-place: keep the old bytes of each page written, for "
                    "--undo (in ~/.local/share/velko/undo/, the last 10 runs)"))
    , undo(option("undo",
                  "undo the last run of --update --in-place --backup or of the window's Update "
                  "Tags In Files: put back each page that still holds what the run wrote, and "
                  "name those changed since, which are left alone"))
    , titles(option("titles",
                    "with --update --in-place FOLDER, in place of the form: set the title and "
                    "description of each page the CSV file FILE lists (page,title,description, "
                    "the page's path from FOLDER; an empty field leaves that tag as it is)",
                    "FILE"))
    , read(option("read",
                  "print, for each page, one line of JSON: {\"file\", \"encoding\", \"form\"}, the "
                  "form as importing the page leaves it"))
    , check(option("check",
                   "check the head of each page (of each folder, every .html, .htm and .xhtml "
                   "file under it) and the pages as a site; print a line per finding, "
                   "PAGE:LINE:COLUMN: SEVERITY: MESSAGE [RULE]"))
    , format(option("format",
                    "print each finding as a line of JSON instead: {\"file\", \"line\", "
                    "\"column\", \"severity\", \"rule\", \"message\"}",
                    "FORMAT"))
    , ignore(option("ignore", "leave out the findings of these rules (below)", "RULES"))
    , siteUrl(option("site-url",
                     "with --check: the pages' site is at URL, which maps to the folder given "
                     "(or the pages' common folder): URL/a/b.html is FOLDER/a/b.html",
                     "URL"))
    , report(option("report", "with --check: write an HTML report of the run to FILE", "FILE"))
    , quiet(option("quiet", "with --check: no summary line on standard error"))
    , filesFrom(option("files-from",
                       "with --read, --check or --update --in-place: the pages named in LIST too, "
                       "one path a line (\"-\": standard input)",
                       "LIST"))
    , nulSeparated(option("0", "the paths in LIST end with a NUL byte instead"))
    , formTemplate(option("form-template", "print a form file with every key and empty values"))
    , help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
           QStringLiteral("show this help"))
    , version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
              QStringLiteral("show the version")) {}

} // namespace velko
