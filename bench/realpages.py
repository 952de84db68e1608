#!/usr/bin/python3
"""Checks Velko against real saved pages.

Reading: runs `velko --read` over every page in FOLDER and compares each value
Velko's tag table knows with what lxml (Debian's python3-lxml) sees in the same
bytes, read in the encoding a browser would pick. Inserting: runs
`velko --insert` on every page and checks that the output is the page with one
run of bytes put in right after its head tag (or a charset declaration that
comes first in the head), and nothing else changed. Updating: runs
`velko --update` on every page and checks that nothing outside the head
changed, that a second run changes nothing and that the page reads back.
Own form: updates every page with the form `velko --read` gives for it and
checks that at most later duplicates of one-per-page kinds go and the page
reads back the same. Site form: updates every page with a typical site's form,
keeping each page's own fields, and counts pages whose `velko --check` errors
grow.
Prints Markdown tables for bench/RESULTS.md; --verbose adds every mismatch.

Usage: realpages.py FOLDER [--velko PATH] [--verbose]"""

import argparse
import codecs
import collections
import html
import itertools
import json
import os
import re
import subprocess
import sys
import tempfile

import lxml.html

# Each meta key (ASCII lower case) the reader knows, with the --read field
# that holds its raw value.
NAME_FIELDS = {
    "keywords": "Keywords",
    "description": "Description",
    "author": "Author",
    "copyright": "Copyright",
    "revisit-after": "Revisit After",
    "robots": "Robots slot",
    "rating": "Rating slot",
    "distribution": "Distribution slot",
    "dc.title": "DC.Title slot",
    "dc.description": "DC.Description slot",
    "dc.creator": "DC.Creator",
    "dc.subject": "DC.Subject slot",
    "dc.publisher": "DC.Publisher",
    "dc.contributors": "DC.Contributors",
    "dc.date": "DC.Date",
    "dc.type": "DC.Type",
    "dc.format": "DC.Format",
    "dc.identifier": "DC.Identifier",
    "dc.source": "DC.Source",
    "dc.language": "DC.Language",
    "dc.relation": "DC.Relation",
    "dc.coverage": "DC.Coverage",
    "dc.rights": "DC.Rights",
    "generator": "Generator",
    "abstract": "Abstract",
}
HTTP_EQUIV_FIELDS = {
    "refresh": "Refresh slot",
    "expires": "Expires",
    "content-type": "Content-Type slot",
    "content-language": "Other Language",
    "pragma": "Pragma slot",
    "window-target": "Window Target",
}
# A content language containing one of these words chooses that item of the
# Language list, and the Other Language text is then left empty.
LANGUAGE_WORDS = ["en", "ch", "de", "es", "fr", "ja", "ru"]

FORM = {"Title": "Velko realpages check", "Author": "Velko"}
BATCH = 100
EXAMPLES = 3

ASCII_BLANKS = re.compile(r"[ \t\n\r\f]+")
LINE_BREAK = re.compile(r"\r\n|\r|\n")
COMMENT = re.compile(rb"<!--.*?-->", re.S)
HEAD_TAG = re.compile(rb"<head(?=[\s/>])[^>]*>", re.I)
META_TAG = re.compile(r"""<meta\b((?:"[^"]*"|'[^']*'|[^'">])*)>""", re.I)
TITLE_OPEN = re.compile(r"<title\b[^>]*>", re.I)
ATTRIBUTE = re.compile(r"""([^\s"'>/=]+)(\s*=\s*)?("[^"]*"|'[^']*'|[^\s>]*)?""")
CHARSET = re.compile(rb"""charset\s*=\s*["']?\s*([-\w.:]+)""", re.I)


def normalized(value):
    return ASCII_BLANKS.sub(" ", value).strip(" ")


# ---- encoding, the way a browser picks it -------------------------------------


def windows1252_lossless(error):
    """Bytes Windows-1252 leaves undefined read as the code point of the byte."""
    return "".join(chr(b) for b in error.object[error.start : error.end]), error.end


codecs.register_error("byte-as-character", windows1252_lossless)


def decode(data, encoding):
    if encoding == "windows-1252":
        return data.decode("cp1252", "byte-as-character")
    return data.decode(encoding, "replace")


def is_utf8(data):
    try:
        data.decode("utf-8")
        return True
    except UnicodeDecodeError:
        return False


def browser_label(label):
    """The encoding a browser takes for a declared label, or None."""
    try:
        name = codecs.lookup(label.strip()).name
    except LookupError:
        return None
    if name in ("cp1252", "iso8859-1", "ascii"):
        return "windows-1252"  # browsers read Latin-1 and ASCII as Windows-1252
    if name.startswith("utf-16"):
        return "utf-8"  # a declaration in the bytes cannot be UTF-16
    return name.replace("_", "-")


def browser_encoding(data):
    """A byte-order mark, else the first charset a meta tag before the body
    declares, else UTF-8 when the bytes are valid UTF-8 and Windows-1252
    otherwise, as browsers conclude for such pages."""
    for bom, encoding in ((b"\xef\xbb\xbf", "utf-8"), (b"\xff\xfe", "utf-16-le"), (b"\xfe\xff", "utf-16-be")):
        if data.startswith(bom):
            return encoding, "byte-order mark"
    head = COMMENT.sub(b"", data)
    body = re.search(rb"<body\b", head, re.I)
    head = head[: body.start()] if body else head
    for tag in re.finditer(rb"<meta\b[^>]*>", head, re.I):
        text = tag.group(0)
        if not re.search(rb"\bcharset\s*=|http-equiv\s*=\s*[\"']?content-type", text, re.I):
            continue
        found = CHARSET.search(text)
        encoding = found and browser_label(found.group(1).decode("ascii", "replace"))
        if encoding:
            return encoding, "meta"
    return ("utf-8" if is_utf8(data) else "windows-1252"), "bytes"


# ---- what lxml sees -----------------------------------------------------------


def lxml_values(data, encoding):
    """Field -> value as lxml parses the page; the keys are --read fields."""
    values = {}
    if not data.strip():
        return values
    parser = lxml.html.HTMLParser(encoding=encoding)
    root = lxml.html.document_fromstring(data, parser=parser)
    title = next(root.iter("title"), None)
    if title is not None:
        values["Title"] = title.text_content()
    for meta in root.iter("meta"):
        content = meta.get("content")
        if content is None:
            continue
        for attribute, table in (("name", NAME_FIELDS), ("http-equiv", HTTP_EQUIV_FIELDS)):
            key = (meta.get(attribute) or "").strip(" \t\n\r\f").lower()
            if key in table:
                values[table[key]] = content
    for link in root.iter("link"):
        if (link.get("rev") or "").strip().lower() == "made" and link.get("href") is not None:
            values["E-mail"] = link.get("href")
    return values


def language_shown(content_language):
    """The Language item or Other Language text a content language gives."""
    lowered = content_language.lower()
    for word in LANGUAGE_WORDS:
        if word in lowered:
            return "[Language: %s]" % word
    return content_language


def velko_values(form):
    values = {}
    for field in ["Title", "E-mail"] + list(NAME_FIELDS.values()) + list(HTTP_EQUIV_FIELDS.values()):
        values[field] = html.unescape(form.get(field, ""))
    language = form.get("Language", {})
    if language.get("index", -1) >= 0:
        values["Other Language"] = "[Language: %s]" % language["text"].lower()
    return values


# ---- why a value differs ------------------------------------------------------


def attributes(tag_inside):
    """(name lower-cased, the text between name and value, raw value) of each attribute."""
    return [(m.group(1).lower(), m.group(2) or "", m.group(3) or "") for m in ATTRIBUTE.finditer(tag_inside)]


def source_tags(text, field):
    """The meta tags of the page's text that carry `field`, as (tag text, attributes)."""
    found = []
    for match in META_TAG.finditer(text):
        attrs = attributes(match.group(1))
        for name, _, value in attrs:
            table = NAME_FIELDS if name == "name" else HTTP_EQUIV_FIELDS if name == "http-equiv" else {}
            if table.get(value.strip("\"'").strip().lower()) == field:
                found.append((match.group(0), attrs))
    return found


def shape_fault(tag, attrs):
    """What keeps `<meta name="key" content=` from matching this tag."""
    names = [name for name, _, _ in attrs]
    key = next(i for i, name in enumerate(names) if name in ("name", "http-equiv"))
    if "content" not in names:
        return "no content attribute"
    content = names.index("content")
    if content < key:
        return "content before name"
    if key != 0:
        return "other attribute before name"
    if content != key + 1:
        return "other attribute between name and content"
    _, equals, value = attrs[key]
    if not value.startswith('"'):
        return "name not in double quotes"
    if value.strip('"') != value.strip('"').strip():
        return "blanks inside the name's quotes"
    if attrs[content][1] != "=":
        return "blanks around content's ="
    if equals != "=":
        return "blanks around name's ="
    if not re.match(r"<meta \S+ content=", tag, re.I):
        return "line break or several blanks between attributes"
    return "missed, tag looks plain"


def inside_script(text, at):
    opened = text.lower().rfind("<script", 0, at)
    return opened >= 0 and text.lower().rfind("</script", opened, at) < 0


def mismatch_kind(field, velko, lxml_value, text):
    if field == "Title":
        opens = list(TITLE_OPEN.finditer(text))
        if not velko:
            if any(m.group(0).lower() != "<title>" for m in opens):
                return "title tag with attributes"
            return "title missed"
        if len(opens) > 1:
            return "several titles: velko keeps the last, a browser the first"
    tags = [] if field == "Title" else source_tags(text, field)
    if not lxml_value:
        if field != "Title" and tags and inside_script(text, text.find(tags[-1][0])):
            return "tag inside a script, lxml reads none"
        return "velko has a value lxml has not"
    if not velko:
        if field == "E-mail":
            return "made link missed"
        if not tags:
            return "missed, tag not found in the text"
        return shape_fault(*tags[-1])
    if field == "Other Language" and "[Language" in velko + lxml_value:
        return "language list chosen differently"
    if len(tags) > 1:
        contents = [value for _, attrs in tags for name, _, value in attrs if name == "content"]
        if velko in (normalized(html.unescape(value.strip("\"'"))) for value in contents):
            return "several tags: velko's value is another one's"
    if lxml_value.startswith(velko) and lxml_value[len(velko) : len(velko) + 1] == ">":
        return "value cut at '>'"
    if lxml_value.startswith(velko):
        return "value cut short"
    if velko.startswith(lxml_value) and velko[len(lxml_value) :].lstrip().startswith('"'):
        return "bare double quote inside the value: velko reads on to the '>'"
    if velko.startswith(lxml_value):
        return "value runs on past the tag's value"
    if velko.encode("ascii", "replace") == lxml_value.encode("ascii", "replace") or (
        lxml_value.isascii() != velko.isascii()
    ):
        return "non-ASCII characters differ"
    if html.unescape(lxml_value) == velko or html.unescape(velko) == lxml_value:
        return "character references decoded differently"
    return "different value"


# ---- reading ------------------------------------------------------------------


def run_read(velko, pages):
    forms, failed = {}, {}
    for start in range(0, len(pages), BATCH):
        batch = pages[start : start + BATCH]
        done = subprocess.run([velko, "--read", *batch], capture_output=True)
        for line in done.stdout.decode("utf-8").splitlines():
            record = json.loads(line)
            forms[record["file"]] = record
        for page in batch:
            if page not in forms:
                failed[page] = done.stderr.decode("utf-8", "replace").strip()
    return forms, failed


def compare_reading(pages, velko):
    forms, failed = run_read(velko, pages)
    result = {
        "compared": 0,
        "same": 0,
        "same_by_rule": 0,
        "pages_right": 0,
        "kinds": collections.Counter(),
        "examples": collections.defaultdict(list),
        "fields": collections.Counter(),
        "mismatches": [],
        "failed": failed,
        "encoding_differs": [],
    }
    for page in pages:
        with open(page, "rb") as f:
            data = f.read()
        encoding, how = browser_encoding(data)
        record = forms.get(page)
        if record is None:
            continue
        velko_encoding = record["encoding"].lower()
        if velko_encoding != encoding:
            result["encoding_differs"].append((page, velko_encoding, encoding, how))
        ours = velko_values(record["form"])
        theirs = lxml_values(data, encoding)
        # Valid UTF-8 is read as UTF-8 whatever the page declares: lxml
        # reading the same text is the measure of the reader itself.
        by_rule = theirs
        if velko_encoding != encoding and velko_encoding == "utf-8" and is_utf8(data):
            by_rule = lxml_values(data, "utf-8")
        for values in (theirs, by_rule):
            if "Other Language" in values:
                values["Other Language"] = language_shown(values["Other Language"])
        text = decode(data, encoding)
        right = True
        for field in ours:
            mine = normalized(ours[field])
            other = normalized(theirs.get(field, ""))
            if not mine and not other:
                continue
            result["compared"] += 1
            result["same_by_rule"] += mine == normalized(by_rule.get(field, ""))
            if mine == other:
                result["same"] += 1
                continue
            right = False
            if velko_encoding != encoding:
                kind = "page declares another encoding than velko reads it in"
            else:
                kind = mismatch_kind(field, mine, other, text)
            result["kinds"][kind] += 1
            result["fields"][field] += 1
            mismatch = (page, field, mine, other, kind)
            result["mismatches"].append(mismatch)
            if len(result["examples"][kind]) < EXAMPLES:
                result["examples"][kind].append(mismatch)
        result["pages_right"] += right
    return result


# ---- inserting ----------------------------------------------------------------


LEADING_CHARSET = re.compile(rb"\s*<meta\b[^>]*>", re.I)


def head_tag_end(data):
    """Where the block goes: after the page's head start tag, outside
    comments, or after a charset declaration that is the first thing in the
    head; None without a head tag."""
    blanked = COMMENT.sub(lambda m: b" " * len(m.group(0)), data)
    found = HEAD_TAG.search(blanked)
    if not found:
        return None
    meta = LEADING_CHARSET.match(data, found.end())
    if meta and re.search(rb"\bcharset\s*=|http-equiv\s*=\s*[\"']?content-type", meta.group(0), re.I):
        return meta.end()
    return found.end()


def strip_final_break(page, out):
    for lb in ("\r\n", "\n", "\r"):
        if out.endswith(lb) and not page.endswith(("\r\n", "\n", "\r")):
            return page, out[: -len(lb)]
    return page, out


def unify_breaks(page, out):
    return LINE_BREAK.sub("\n", page), LINE_BREAK.sub("\n", out)


def drop_bom(page, out):
    def without(text):
        for bom in ("\ufeff", "\xef\xbb\xbf"):
            if text.startswith(bom):
                return text[len(bom) :]
        return text

    return without(page), without(out)


# How an output can differ from the page outside the block, each with the
# change that takes the difference away, in the order they are taken away.
CHANGES = [
    ("encoding changed", None),
    ("byte-order mark dropped or added", drop_bom),
    ("line breaks rewritten", unify_breaks),
    ("final line break added", strip_final_break),
]


def as_text(data, encoding):
    if encoding is None:
        return data.decode("latin-1")  # one character per byte: a byte-exact comparison
    return decode(data, encoding)


def inserted_cleanly(page, out, head_end, block_lines):
    if not (out.startswith(page[:head_end]) and out.endswith(page[head_end:]) and len(out) >= len(page)):
        return False
    middle = out[head_end : len(out) - (len(page) - head_end)]
    return all(line in middle for line in block_lines)


def insertion_changes(page_bytes, out_bytes, head_end, block_lines):
    """The fewest changes that explain the output as the page plus the block
    after its head tag: [] when nothing else changed, None when none do."""
    for size in range(len(CHANGES) + 1):
        for chosen in itertools.combinations(CHANGES, size):
            names = [name for name, _ in chosen]
            page_encoding = out_encoding = None
            if "encoding changed" in names:
                page_encoding = "utf-8" if is_utf8(page_bytes) else "windows-1252"
                out_encoding = "utf-8" if is_utf8(out_bytes) else "windows-1252"
            page = as_text(page_bytes, page_encoding)
            out = as_text(out_bytes, out_encoding)
            front = as_text(page_bytes[:head_end], page_encoding)
            for _, change in chosen:
                if change is not None:
                    page, out = change(page, out)
                    front, _ = change(front, "")
            if inserted_cleanly(page, out, len(front), block_lines):
                return names
    return None


def misplaced_or_changed(page, out):
    prefix = len(os.path.commonprefix([page, out]))
    suffix = len(os.path.commonprefix([page[::-1], out[::-1]]))
    if len(out) > len(page) and prefix + suffix >= len(page):
        return "block put in elsewhere than right after the head tag"
    return "bytes outside the block changed: other bytes"


def refusal(data, head_end):
    if head_end is None:
        return "refused, no head tag (rightly)"
    tag = data[data.rfind(b"<", 0, head_end) : head_end]
    if re.fullmatch(rb"<head>", tag, re.I):
        return "refused, head tag <head>"
    if re.fullmatch(rb"<head\s*/?>", tag, re.I):
        return "refused, head tag with blanks or a slash"
    return "refused, head tag with attributes"


def compare_inserting(pages, velko):
    result = {
        "pages": len(pages),
        "with_head": 0,
        "clean": 0,
        "outcomes": collections.Counter(),
        "examples": collections.defaultdict(list),
    }
    with tempfile.NamedTemporaryFile("w", suffix=".json", delete=False) as form:
        json.dump(FORM, form)
    try:
        block = subprocess.run([velko, "--generate", form.name], capture_output=True, check=True).stdout
        block_lines = [line for line in block.decode("utf-8").split("\r\n") if line]
        for page in pages:
            with open(page, "rb") as f:
                data = f.read()
            head_end = head_tag_end(data)
            result["with_head"] += head_end is not None
            done = subprocess.run([velko, "--insert", form.name, page], capture_output=True)
            if done.returncode != 0:
                kind = refusal(data, head_end)
                result["outcomes"][kind] += 1
                result["examples"][kind].append((page, done.stderr.decode("utf-8", "replace").strip()))
                continue
            if head_end is None:
                kind = "took the block, no head tag found"
                result["outcomes"][kind] += 1
                result["examples"][kind].append((page, ""))
                continue
            changes = insertion_changes(data, done.stdout, head_end, block_lines)
            if changes == []:
                result["clean"] += 1
                continue
            if changes:
                kind = "bytes outside the block changed: " + " + ".join(changes)
            else:
                kind = misplaced_or_changed(data, done.stdout)
            result["outcomes"][kind] += 1
            result["examples"][kind].append((page, ""))
    finally:
        os.unlink(form.name)
    return result


# ---- updating -----------------------------------------------------------------

HEAD_END = re.compile(rb"</head\s*>|<body(?=[\s/>])", re.I)

# A form that makes the page's own tags meet Velko's: a title, a description,
# robots and the generator's comment.
UPDATE_FORM = {
    "Title": "Velko realpages check",
    "Description": "Checked by Velko",
    "Robot": "all",
    "Author": "Velko",
}


def head_end(data, start):
    """Where the head ends, outside comments: </head> or the first <body."""
    blanked = COMMENT.sub(lambda m: b" " * len(m.group(0)), data)
    found = HEAD_END.search(blanked, start)
    return found.start() if found else len(data)


def compare_updating(pages, velko):
    """velko --update on every page: nothing before the head tag or from the
    head's end on changes, a second run changes nothing, and the page then
    reads back with the form's values."""
    result = {"updated": 0, "outside_kept": 0, "idempotent": 0, "reads_back": 0, "examples": collections.defaultdict(list)}
    with tempfile.TemporaryDirectory() as work:
        form = os.path.join(work, "form.json")
        with open(form, "w") as f:
            json.dump(UPDATE_FORM, f)
        once = os.path.join(work, "once.html")
        for page in pages:
            with open(page, "rb") as f:
                data = f.read()
            done = subprocess.run([velko, "--update", form, page], capture_output=True)
            if done.returncode != 0:
                continue
            result["updated"] += 1
            out = done.stdout
            tag = HEAD_TAG.search(COMMENT.sub(lambda m: b" " * len(m.group(0)), data))
            end = head_end(data, tag.end())
            if out.startswith(data[: tag.end()]) and out.endswith(data[end:]):
                result["outside_kept"] += 1
            else:
                result["examples"]["bytes outside the head changed"].append(page)
            with open(once, "wb") as f:
                f.write(out)
            again = subprocess.run([velko, "--update", form, once], capture_output=True)
            if again.stdout == out:
                result["idempotent"] += 1
            else:
                result["examples"]["a second run changed the page"].append(page)
            read = subprocess.run([velko, "--read", once], capture_output=True)
            values = json.loads(read.stdout.decode("utf-8"))["form"] if read.returncode == 0 else {}
            if all(values.get(key) == value or (isinstance(values.get(key), dict) and values[key].get("text") == value)
                   for key, value in UPDATE_FORM.items()):
                result["reads_back"] += 1
            else:
                result["examples"]["reads back otherwise"].append(page)
    return result


# A site's form: the tags every page of it shares; each page keeps its own
# title, description and addresses (--keep-page-fields).
SITE_FORM = {
    "Author": "Velko",
    "Copyright": "Velko 2026",
    "Robot": "index, follow",
    "Viewport": "width=device-width, initial-scale=1",
    "Theme Colour": "#336699",
    "og:site_name": "Velko",
    "twitter:site": "@velko",
    "Declare UTF-8": True,
}
REMOVABLE = re.compile(rb"^(<(meta|link|title)\b[^>]*>|</(meta|link)>)$", re.I)
TAG = re.compile(rb"<[^>]*>")


def removed_tags(before, after):
    """The tags of `before` that `after` lacks, when `after` is `before` with
    whole tags (and blanks) removed, compared a tag at a time; None when it
    is not."""
    import difflib

    old, new = re.split(rb"(?=<)", before), re.split(rb"(?=<)", after)
    removed = []
    for op, i1, i2, j1, j2 in difflib.SequenceMatcher(None, old, new, autojunk=False).get_opcodes():
        if op == "equal":
            continue
        was, now = b"".join(old[i1:i2]), b"".join(new[j1:j2])
        kept, tags = TAG.findall(now), iter(TAG.findall(was))
        for tag in kept:  # the tags left must be the old ones, in order
            if not any(tag == other or removed.append(other) for other in tags):
                return None
        removed += list(tags)
        if b"".join(TAG.sub(b"", was).split()) != b"".join(TAG.sub(b"", now).split()):
            return None
    return removed


def errors_by_rule(velko, page):
    done = subprocess.run([velko, "--check", "--format=json", page], capture_output=True)
    found = collections.Counter()
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        finding = json.loads(line)
        if finding["severity"] == "error":
            found[finding["rule"]] += 1
    return found


def compare_own_and_site(pages, velko):
    """Each page updated with its own --read form, and with SITE_FORM."""
    result = {"own": 0, "own_same": 0, "own_duplicates": 0, "own_back": 0, "site": 0, "site_errors_kept": 0,
              "examples": collections.defaultdict(list)}
    with tempfile.TemporaryDirectory() as work:
        form, site, out = (os.path.join(work, name) for name in ("own.json", "site.json", "out.html"))
        with open(site, "w") as f:
            json.dump(SITE_FORM, f)
        for page in pages:
            read = subprocess.run([velko, "--read", page], capture_output=True)
            with open(form, "wb") as f:
                f.write(read.stdout)
            done = subprocess.run([velko, "--update", form, page], capture_output=True)
            if read.returncode == 0 and done.returncode == 0:
                result["own"] += 1
                with open(page, "rb") as f:
                    data = f.read()
                with open(out, "wb") as f:
                    f.write(done.stdout)
                again = subprocess.run([velko, "--read", out], capture_output=True)
                same_form = json.loads(again.stdout)["form"] == json.loads(read.stdout)["form"]
                removed = [] if done.stdout == data else removed_tags(data, done.stdout)
                if removed == []:
                    result["own_same"] += 1
                elif removed and all(REMOVABLE.match(tag) for tag in removed):
                    # a page that repeats a tag it should have once may read
                    # back without the duplicate's value
                    result["own_back"] += same_form
                    result["own_duplicates"] += 1
                else:
                    result["examples"]["own form changed more than duplicates"].append(page)
            done = subprocess.run([velko, "--update", site, "--keep-page-fields", page], capture_output=True)
            if done.returncode != 0:
                continue
            result["site"] += 1
            with open(out, "wb") as f:
                f.write(done.stdout)
            before, after = errors_by_rule(velko, page), errors_by_rule(velko, out)
            if all(after[rule] <= before[rule] for rule in after):
                result["site_errors_kept"] += 1
            else:
                result["examples"]["site form added an error"].append(page)
    return result


# ---- the report ---------------------------------------------------------------


def percent(part, whole):
    return "%.1f%%" % (100.0 * part / whole) if whole else "-"


def shorten(text, width=70):
    return text if len(text) <= width else text[: width - 3] + "..."


def table(header, rows):
    lines = ["| %s |" % " | ".join(header), "|" + "---|" * len(header)]
    lines += ["| %s |" % " | ".join(str(cell) for cell in row) for row in rows]
    return lines + [""]


def report(folder, pages, reading, inserting, updating, own, verbose):
    def name(page):
        return os.path.relpath(page, folder)

    with_head = inserting["with_head"]
    same, compared, right = reading["same"], reading["compared"], reading["pages_right"]
    summary = [
        ("pages", len(pages)),
        ("values compared", reading["compared"]),
        ("values read the same as lxml", "%d (%s)" % (same, percent(same, compared))),
        (
            "... with lxml reading valid UTF-8 as UTF-8, as velko does",
            "%d (%s)" % (reading["same_by_rule"], percent(reading["same_by_rule"], compared)),
        ),
        ("pages read fully right", "%d (%s)" % (right, percent(right, len(pages)))),
        ("pages velko could not read", len(reading["failed"])),
        ("pages with a head tag", with_head),
        (
            "took the block right after the head tag, nothing else changed",
            "%d (%s of those with a head tag)" % (inserting["clean"], percent(inserting["clean"], with_head)),
        ),
    ] + inserting["outcomes"].most_common()
    updated = updating["updated"]
    summary += [
        ("updated (velko --update)", updated),
        ("... nothing outside the head changed", "%d (%s)" % (updating["outside_kept"], percent(updating["outside_kept"], updated))),
        ("... a second run changed nothing", "%d (%s)" % (updating["idempotent"], percent(updating["idempotent"], updated))),
        ("... read back with the form's values", "%d (%s)" % (updating["reads_back"], percent(updating["reads_back"], updated))),
    ]
    summary += [
        ("updated with its own --read form", own["own"]),
        ("... changed nothing", own["own_same"]),
        ("... only lost later duplicates of one-per-page kinds", own["own_duplicates"]),
        ("... ... and read back as the same form", own["own_back"]),
        ("... changed anything else", own["own"] - own["own_same"] - own["own_duplicates"]),
        ("updated with a site form, --keep-page-fields", own["site"]),
        ("... whose --check errors grew", own["site"] - own["site_errors_kept"]),
    ]
    out = table(["check", "result"], summary)
    out += table(
        ["mismatch kind", "values", "for example"],
        [
            (kind, count, "%s, %s" % (name(reading["examples"][kind][0][0]), reading["examples"][kind][0][1]))
            for kind, count in reading["kinds"].most_common()
        ],
    )
    out += table(["field", "mismatches"], reading["fields"].most_common())
    out.append("Examples (page, field: velko / lxml):")
    for kind, _ in reading["kinds"].most_common():
        out.append("- %s" % kind)
        for page, field, mine, other, _ in reading["examples"][kind]:
            out.append("  - %s, %s: %r / %r" % (name(page), field, shorten(mine), shorten(other)))
    for page, mine, theirs, how in reading["encoding_differs"]:
        out.append("- encoding of %s: velko %s, a browser %s (from the %s)" % (name(page), mine, theirs, how))
    for page, error in reading["failed"].items():
        out.append("- not read: %s: %s" % (name(page), error))
    for kind, examples in inserting["examples"].items():
        out.append("- %s: %s" % (kind, ", ".join(name(page) for page, _ in examples[:EXAMPLES])))
    for kind, examples in itertools.chain(updating["examples"].items(), own["examples"].items()):
        out.append("- update, %s: %s" % (kind, ", ".join(name(page) for page in examples[:EXAMPLES])))
    if verbose:
        out.append("")
        out.append("Every mismatch (page, field, velko, lxml, kind):")
        for page, field, mine, other, kind in reading["mismatches"]:
            out.append("%s\t%s\t%r\t%r\t%s" % (name(page), field, mine, other, kind))
        for kind, examples in inserting["examples"].items():
            for page, error in examples:
                out.append("%s\tinsert\t%s\t%s" % (name(page), kind, error))
    print("\n".join(out))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder")
    parser.add_argument("--velko", default="build/src/velko")
    parser.add_argument("--verbose", action="store_true", help="print every mismatch")
    arguments = parser.parse_args()
    folder = os.path.abspath(arguments.folder)
    pages = sorted(
        os.path.join(root, name)
        for root, _, names in os.walk(folder)
        for name in names
        if name.lower().endswith((".html", ".htm"))
    )
    if not pages:
        sys.exit("no .html pages in %s" % folder)
    reading = compare_reading(pages, arguments.velko)
    inserting = compare_inserting(pages, arguments.velko)
    updating = compare_updating(pages, arguments.velko)
    own = compare_own_and_site(pages, arguments.velko)
    report(folder, pages, reading, inserting, updating, own, arguments.verbose)


if __name__ == "__main__":
    main()
