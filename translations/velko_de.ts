<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>velko::AboutBox</name>
    <message>
        <source>About Velko</source>
        <translation>Über Velko</translation>
    </message>
    <message>
        <source>Velko logo</source>
        <translation>Velko-Logo</translation>
    </message>
    <message>
        <source>Velko Version %1</source>
        <translation>Velko Version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Harbordale</source>
        <translation>Copyright © 2026 Harbordale</translation>
    </message>
    <message>
        <source>Harbordale - Guides, Utilities, and Ideas for Site Builders</source>
        <translation>Harbordale - Anleitungen, Werkzeuge und Ideen für Website-Ersteller</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Visit Harbordale</source>
        <translation>Harbordale besuchen</translation>
    </message>
    <message>
        <source>Visit Velko Home</source>
        <translation>Velko-Startseite besuchen</translation>
    </message>
    <message>
        <source>Yep!</source>
        <translation>Alles klar!</translation>
    </message>
</context>
<context>
    <name>velko::DesktopServices</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>An error has occurred!</source>
        <translation>Ein Fehler ist aufgetreten!</translation>
    </message>
</context>
<context>
    <name>velko::DocumentCommands</name>
    <message>
        <source>File Validation</source>
        <translation>Dateiprüfung</translation>
    </message>
    <message>
        <source>Missing Data</source>
        <translation>Fehlende Angaben</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>This file does not appear to be a valid HTML file.</source>
        <translation>Diese Datei scheint keine gültige HTML-Datei zu sein.</translation>
    </message>
    <message>
        <source>Check the file&apos;s HTML syntax and try again.</source>
        <translation>Prüfen Sie die HTML-Syntax der Datei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No generated tags</source>
        <translation>Keine erzeugten Tags</translation>
    </message>
    <message>
        <source>Fill in some of the form fields</source>
        <translation>Füllen Sie einige Formularfelder aus</translation>
    </message>
    <message>
        <source>Then generate the tags</source>
        <translation>Erzeugen Sie dann die Tags</translation>
    </message>
    <message>
        <source>Some of the same generated tag types</source>
        <translation>Einige der erzeugten Tag-Arten</translation>
    </message>
    <message>
        <source>may already appear in the target HTML file.</source>
        <translation>sind in der HTML-Zieldatei möglicherweise schon vorhanden.</translation>
    </message>
    <message>
        <source>Insert these meta tags into the HTML file?</source>
        <translation>Diese Meta-Tags in die HTML-Datei einfügen?</translation>
    </message>
    <message>
        <source>Velko</source>
        <translation>Velko</translation>
    </message>
    <message>
        <source>Replace %1 tags, add %2, remove %3 duplicates.</source>
        <translation>%1 Tags ersetzen, %2 hinzufügen, %3 Duplikate entfernen.</translation>
    </message>
    <message>
        <source>Update Tags In File</source>
        <translation>Tags in Datei aktualisieren</translation>
    </message>
    <message>
        <source>The page already has these tags.</source>
        <translation>Die Seite enthält diese Tags bereits.</translation>
    </message>
    <message>
        <source>The tags would declare the charset %1, but the page is saved in %2.</source>
        <translation>Die Tags würden den Zeichensatz %1 angeben, aber die Seite wird in %2 gespeichert.</translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation>%1 wurde von einem anderen Programm geändert und neu geladen.</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program.</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Do you want to overwrite it?</source>
        <translation>Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>%1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save File As</source>
        <translation>Datei speichern unter</translation>
    </message>
</context>
<context>
    <name>velko::ExportCommands</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>There are no meta tags to copy.</source>
        <translation>Es gibt keine Meta-Tags zum Kopieren.</translation>
    </message>
    <message>
        <source>Type some text in the tags fields, then generate the tags.</source>
        <translation>Geben Sie Text in die Tag-Felder ein und erzeugen Sie dann die Tags.</translation>
    </message>
    <message>
        <source>There are no meta tags to generate.</source>
        <translation>Es gibt keine Meta-Tags zum Erzeugen.</translation>
    </message>
    <message>
        <source>Type some text in the tags fields, then generate.</source>
        <translation>Geben Sie Text in die Tag-Felder ein und erzeugen Sie sie dann.</translation>
    </message>
    <message>
        <source>Save Tags As</source>
        <translation>Tags speichern unter</translation>
    </message>
</context>
<context>
    <name>velko::FileImport</name>
    <message>
        <source>Import File</source>
        <translation>Datei importieren</translation>
    </message>
</context>
<context>
    <name>velko::FindBar</name>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find in the page</source>
        <translation>In der Seite suchen</translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation>Vorheriges suchen (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation>Nächstes suchen (F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Reached the top, went on from the end</source>
        <translation>Anfang erreicht, weiter vom Ende</translation>
    </message>
    <message>
        <source>Reached the end, went on from the top</source>
        <translation>Ende erreicht, weiter vom Anfang</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>velko::FindingsList</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
</context>
<context>
    <name>velko::Form</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Web page title</source>
        <translation>Titel der Webseite</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>Keywords separated by commas</source>
        <translation>Stichwörter, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Page description less than 200 words</source>
        <translation>Beschreibung der Seite in weniger als 200 Wörtern</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Person who authored the page</source>
        <translation>Person, die die Seite verfasst hat</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Contact person&apos;s e-mail address</source>
        <translation>E-Mail-Adresse der Kontaktperson</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Copyright year and name of holder</source>
        <translation>Jahr des Copyrights und Name des Inhabers</translation>
    </message>
    <message>
        <source>Revisit After</source>
        <translation>Wiederkehr nach</translation>
    </message>
    <message>
        <source>Frequency of a spider&apos;s return</source>
        <translation>Wie oft ein Suchroboter wiederkommt</translation>
    </message>
    <message>
        <source>after</source>
        <translation>nach</translation>
    </message>
    <message>
        <source>Seconds before transfer</source>
        <translation>Sekunden bis zur Weiterleitung</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Transfers visitors to another page</source>
        <translation>Leitet Besucher auf eine andere Seite weiter</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Verfällt</translation>
    </message>
    <message>
        <source>Date content expires</source>
        <translation>Datum, an dem der Inhalt verfällt</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Use a different language</source>
        <translation>Eine andere Sprache verwenden</translation>
    </message>
    <message>
        <source>DC.Creator</source>
        <translation>DC.Creator</translation>
    </message>
    <message>
        <source>Primary creator of the content</source>
        <translation>Urheber des Inhalts</translation>
    </message>
    <message>
        <source>DC.Publisher</source>
        <translation>DC.Publisher</translation>
    </message>
    <message>
        <source>One who makes the resource available</source>
        <translation>Wer die Ressource bereitstellt</translation>
    </message>
    <message>
        <source>DC.Contributors</source>
        <translation>DC.Contributors</translation>
    </message>
    <message>
        <source>Contributor to the resource&apos;s content</source>
        <translation>Wer zum Inhalt der Ressource beigetragen hat</translation>
    </message>
    <message>
        <source>DC.Date</source>
        <translation>DC.Date</translation>
    </message>
    <message>
        <source>Date of the resource&apos;s creation</source>
        <translation>Erstellungsdatum der Ressource</translation>
    </message>
    <message>
        <source>DC.Type</source>
        <translation>DC.Type</translation>
    </message>
    <message>
        <source>Nature of the resource&apos;s content</source>
        <translation>Art des Inhalts der Ressource</translation>
    </message>
    <message>
        <source>DC.Format</source>
        <translation>DC.Format</translation>
    </message>
    <message>
        <source>Media-type of the resource</source>
        <translation>Medientyp der Ressource</translation>
    </message>
    <message>
        <source>DC.Identifier</source>
        <translation>DC.Identifier</translation>
    </message>
    <message>
        <source>Url of the resource</source>
        <translation>URL der Ressource</translation>
    </message>
    <message>
        <source>DC.Source</source>
        <translation>DC.Source</translation>
    </message>
    <message>
        <source>Source from which the resource was derived</source>
        <translation>Quelle, von der die Ressource abgeleitet ist</translation>
    </message>
    <message>
        <source>DC.Language</source>
        <translation>DC.Language</translation>
    </message>
    <message>
        <source>Language of the resource&apos;s content</source>
        <translation>Sprache des Inhalts der Ressource</translation>
    </message>
    <message>
        <source>DC.Relation</source>
        <translation>DC.Relation</translation>
    </message>
    <message>
        <source>Reference to a related resource</source>
        <translation>Verweis auf eine verwandte Ressource</translation>
    </message>
    <message>
        <source>DC.Coverage</source>
        <translation>DC.Coverage</translation>
    </message>
    <message>
        <source>Geographical scope of the resource&apos;s content</source>
        <translation>Räumlicher Geltungsbereich des Inhalts der Ressource</translation>
    </message>
    <message>
        <source>DC.Rights</source>
        <translation>DC.Rights</translation>
    </message>
    <message>
        <source>Info about rights held in the resource</source>
        <translation>Angaben zu den Rechten an der Ressource</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Program that created the web page</source>
        <translation>Programm, mit dem die Webseite erstellt wurde</translation>
    </message>
    <message>
        <source>Window Target</source>
        <translation>Zielfenster</translation>
    </message>
    <message>
        <source>Can prevent page framing</source>
        <translation>Kann verhindern, dass die Seite in Frames erscheint</translation>
    </message>
    <message>
        <source>Abstract</source>
        <translation>Kurzfassung</translation>
    </message>
    <message>
        <source>Brief summary of the description meta tag</source>
        <translation>Kurze Zusammenfassung des Description-Meta-Tags</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Sometimes used instead of meta tags</source>
        <translation>Wird manchmal statt Meta-Tags verwendet</translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation>Verbreitung</translation>
    </message>
    <message>
        <source>Entry points</source>
        <translation>Einstiegspunkte</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robots</translation>
    </message>
    <message>
        <source>Restrict or allow spiders</source>
        <translation>Suchroboter einschränken oder zulassen</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Einstufung</translation>
    </message>
    <message>
        <source>Content rating</source>
        <translation>Einstufung des Inhalts</translation>
    </message>
    <message>
        <source>Charset</source>
        <translation>Zeichensatz</translation>
    </message>
    <message>
        <source>Commonly ISO-8859-1</source>
        <translation>Meist ISO-8859-1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The page&apos;s language</source>
        <translation>Die Sprache der Seite</translation>
    </message>
    <message>
        <source>Page Caching</source>
        <translation>Seiten-Caching</translation>
    </message>
    <message>
        <source>Can stop browsers from caching page</source>
        <translation>Kann Browser daran hindern, die Seite zwischenzuspeichern</translation>
    </message>
    <message>
        <source>Use Title</source>
        <translation>Titel verwenden</translation>
    </message>
    <message>
        <source>Name of the resource</source>
        <translation>Name der Ressource</translation>
    </message>
    <message>
        <source>Use Description</source>
        <translation>Beschreibung verwenden</translation>
    </message>
    <message>
        <source>Account of the resource&apos;s content</source>
        <translation>Darstellung des Inhalts der Ressource</translation>
    </message>
    <message>
        <source>Use Keywords</source>
        <translation>Stichwörter verwenden</translation>
    </message>
    <message>
        <source>Topic of the resource&apos;s content</source>
        <translation>Thema des Inhalts der Ressource</translation>
    </message>
    <message>
        <source>Use Title as Comment</source>
        <translation>Titel als Kommentar verwenden</translation>
    </message>
    <message>
        <source>Use Keywords as Comment</source>
        <translation>Stichwörter als Kommentar verwenden</translation>
    </message>
    <message>
        <source>Use Description as Comment</source>
        <translation>Beschreibung als Kommentar verwenden</translation>
    </message>
    <message>
        <source>General Tags</source>
        <translation>Allgemeine Tags</translation>
    </message>
    <message>
        <source>D.C. Tags</source>
        <translation>D.C.-Tags</translation>
    </message>
    <message>
        <source>Other Tags</source>
        <translation>Weitere Tags</translation>
    </message>
    <message>
        <source>Generated Tags</source>
        <translation>Erzeugte Tags</translation>
    </message>
    <message>
        <source>HTML File</source>
        <translation>HTML-Datei</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Weiterleitung</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>DC.Title</source>
        <translation>DC.Title</translation>
    </message>
    <message>
        <source>DC.Description</source>
        <translation>DC.Description</translation>
    </message>
    <message>
        <source>DC.Subject</source>
        <translation>DC.Subject</translation>
    </message>
    <message>
        <source>Canonical URL</source>
        <translation>Kanonische URL</translation>
    </message>
    <message>
        <source>The page&apos;s preferred address, for search engines</source>
        <translation>Die bevorzugte Adresse der Seite, für Suchmaschinen</translation>
    </message>
    <message>
        <source>Theme Colour</source>
        <translation>Designfarbe</translation>
    </message>
    <message>
        <source>Colour browsers give their bar, such as #336699</source>
        <translation>Farbe, die Browser ihrer Leiste geben, etwa #336699</translation>
    </message>
    <message>
        <source>og:title</source>
        <translation>og:title</translation>
    </message>
    <message>
        <source>Title shown when the page is shared</source>
        <translation>Titel, der beim Teilen der Seite erscheint</translation>
    </message>
    <message>
        <source>og:description</source>
        <translation>og:description</translation>
    </message>
    <message>
        <source>Description shown when the page is shared</source>
        <translation>Beschreibung, die beim Teilen der Seite erscheint</translation>
    </message>
    <message>
        <source>og:url</source>
        <translation>og:url</translation>
    </message>
    <message>
        <source>Address a shared link leads to</source>
        <translation>Adresse, zu der ein geteilter Link führt</translation>
    </message>
    <message>
        <source>og:image</source>
        <translation>og:image</translation>
    </message>
    <message>
        <source>Picture shown when the page is shared</source>
        <translation>Bild, das beim Teilen der Seite erscheint</translation>
    </message>
    <message>
        <source>og:image:alt</source>
        <translation>og:image:alt</translation>
    </message>
    <message>
        <source>Text that describes the shared picture</source>
        <translation>Text, der das geteilte Bild beschreibt</translation>
    </message>
    <message>
        <source>og:site_name</source>
        <translation>og:site_name</translation>
    </message>
    <message>
        <source>Name of the whole site</source>
        <translation>Name der ganzen Website</translation>
    </message>
    <message>
        <source>og:locale</source>
        <translation>og:locale</translation>
    </message>
    <message>
        <source>Language and region, such as en_US</source>
        <translation>Sprache und Region, etwa de_DE</translation>
    </message>
    <message>
        <source>twitter:site</source>
        <translation>twitter:site</translation>
    </message>
    <message>
        <source>The site&apos;s account, such as @harbordale</source>
        <translation>Das Konto der Website, etwa @harbordale</translation>
    </message>
    <message>
        <source>twitter:creator</source>
        <translation>twitter:creator</translation>
    </message>
    <message>
        <source>The author&apos;s account</source>
        <translation>Das Konto des Autors</translation>
    </message>
    <message>
        <source>Viewport</source>
        <translation>Viewport</translation>
    </message>
    <message>
        <source>How phones fit the page to their screen</source>
        <translation>Wie Smartphones die Seite an ihren Bildschirm anpassen</translation>
    </message>
    <message>
        <source>og:type</source>
        <translation>og:type</translation>
    </message>
    <message>
        <source>Kind of content the page is</source>
        <translation>Art des Inhalts der Seite</translation>
    </message>
    <message>
        <source>twitter:card</source>
        <translation>twitter:card</translation>
    </message>
    <message>
        <source>Layout of a shared link: summary or large picture</source>
        <translation>Darstellung eines geteilten Links: Zusammenfassung oder großes Bild</translation>
    </message>
    <message>
        <source>Declare UTF-8</source>
        <translation>UTF-8 angeben</translation>
    </message>
    <message>
        <source>Tells browsers the page is in UTF-8</source>
        <translation>Sagt Browsern, dass die Seite in UTF-8 kodiert ist</translation>
    </message>
    <message>
        <source>Fill Open Graph from General Tags</source>
        <translation>Open Graph aus Allgemeine Tags füllen</translation>
    </message>
    <message>
        <source>An empty og:title, og:description or og:url takes Title, Description or Canonical URL</source>
        <translation>Ein leeres og:title, og:description oder og:url übernimmt Titel, Beschreibung oder Kanonische URL</translation>
    </message>
    <message>
        <source>Web Tags</source>
        <translation>Web-Tags</translation>
    </message>
</context>
<context>
    <name>velko::FormPresets</name>
    <message>
        <source>Open Form</source>
        <translation>Formular öffnen</translation>
    </message>
    <message>
        <source>Save Form As</source>
        <translation>Formular speichern unter</translation>
    </message>
</context>
<context>
    <name>velko::HelpViewer</name>
    <message>
        <source>Velko Help</source>
        <translation>Velko-Hilfe</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Help not found&lt;/h1&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be found. Check the &lt;tt&gt;help/file&lt;/tt&gt; setting in velko.conf.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Hilfe nicht gefunden&lt;/h1&gt;&lt;p&gt;Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; wurde nicht gefunden. Prüfen Sie die Einstellung &lt;tt&gt;help/file&lt;/tt&gt; in velko.conf.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>velko::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Import &amp;File</source>
        <translation>Datei &amp;importieren</translation>
    </message>
    <message>
        <source>Import From &amp;Web</source>
        <translation>Aus dem &amp;Web importieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>Datei &amp;speichern</translation>
    </message>
    <message>
        <source>S&amp;ave File As</source>
        <translation>Datei speichern &amp;unter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>F&amp;orm</source>
        <translation>&amp;Formular</translation>
    </message>
    <message>
        <source>&amp;Fill In Examples</source>
        <translation>Mit &amp;Beispielen ausfüllen</translation>
    </message>
    <message>
        <source>&amp;Clear Form Fields</source>
        <translation>Formularfelder &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Tags</source>
        <translation>&amp;Tags</translation>
    </message>
    <message>
        <source>&amp;Generate Tags</source>
        <translation>Tags &amp;erzeugen</translation>
    </message>
    <message>
        <source>&amp;Insert Tags Into File</source>
        <translation>Tags in Datei e&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Copy Tags</source>
        <translation>Tags &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Tags As</source>
        <translation>Tags &amp;speichern unter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Document</source>
        <translation>&amp;Hilfedokument</translation>
    </message>
    <message>
        <source>Check For &amp;Upgrade</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;Velko Home</source>
        <translation>&amp;Velko-Startseite</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>&amp;Promote Your Site</source>
        <translation>&amp;Website bekannt machen</translation>
    </message>
    <message>
        <source>&amp;Support Velko</source>
        <translation>Velko &amp;unterstützen</translation>
    </message>
    <message>
        <source>Velko &amp;Online Version</source>
        <translation>Velko &amp;Online-Version</translation>
    </message>
    <message>
        <source>&amp;About Velko</source>
        <translation>Ü&amp;ber Velko</translation>
    </message>
    <message>
        <source>Check Page</source>
        <translation>Seite prüfen</translation>
    </message>
    <message>
        <source>&amp;Update Tags In File</source>
        <translation>Tags in Datei &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Open Form...</source>
        <translation>Formular ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Form As...</source>
        <translation>Formular &amp;speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Recent Forms</source>
        <translation>&amp;Zuletzt verwendete Formulare</translation>
    </message>
    <message>
        <source>Update Tags In &amp;Files...</source>
        <translation>Tags in &amp;Dateien aktualisieren...</translation>
    </message>
    <message>
        <source>Check Site...</source>
        <translation>Website prüfen...</translation>
    </message>
    <message>
        <source>Open Sit&amp;e...</source>
        <translation>Website ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Undo Last Site Update</source>
        <translation>Letzte Website-Aktualisierung rückgängig</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Show &amp;Previews</source>
        <translation>&amp;Vorschauen zeigen</translation>
    </message>
    <message>
        <source>&amp;Wrap Long Lines</source>
        <translation>Lange Zeilen &amp;umbrechen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Nächstes suchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Vorheriges suchen</translation>
    </message>
</context>
<context>
    <name>velko::MainWindow</name>
    <message>
        <source>%1[*] - Velko</source>
        <extracomment>The window&apos;s title: the document&apos;s file name, Qt&apos;s place for the changed mark, and the program&apos;s name</extracomment>
        <translation>%1[*] - Velko</translation>
    </message>
    <message>
        <source>Update Tags In Files</source>
        <translation>Tags in Dateien aktualisieren</translation>
    </message>
    <message>
        <source>Pages are being updated. Stop updating them?</source>
        <translation>Seiten werden gerade aktualisiert. Aktualisierung abbrechen?</translation>
    </message>
    <message>
        <source>Check Site</source>
        <translation>Website prüfen</translation>
    </message>
    <message>
        <source>Undo Last Site Update</source>
        <translation>Letzte Website-Aktualisierung rückgängig</translation>
    </message>
    <message>
        <source>There is no site update to undo.</source>
        <translation>Es gibt keine Website-Aktualisierung zum Rückgängigmachen.</translation>
    </message>
    <message>
        <source>Put back the %1 pages written by %2 at %3? Pages changed since are left alone.</source>
        <translation>Die %1 Seiten, die %2 um %3 geschrieben hat, wiederherstellen? Seither geänderte Seiten bleiben unberührt.</translation>
    </message>
    <message>
        <source>Pages restored: %1</source>
        <translation>Wiederhergestellte Seiten: %1</translation>
    </message>
    <message>
        <source>Left alone, changed since: %1</source>
        <translation>Unberührt, seither geändert: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Open Site</source>
        <translation>Website öffnen</translation>
    </message>
</context>
<context>
    <name>velko::PageChecker</name>
    <message>
        <source>%1 is after the head; it belongs in the head.</source>
        <translation>%1 steht nach dem Head; es gehört in den Head.</translation>
    </message>
    <message>
        <source>The head has more than one title; browsers show the first.</source>
        <translation>Der Head hat mehr als einen Titel; Browser zeigen den ersten.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Der Titel ist leer.</translation>
    </message>
    <message>
        <source>A second meta tag with %1=&quot;%2&quot;.</source>
        <translation>Ein zweites Meta-Tag mit %1=&quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The meta tag %1=&quot;%2&quot; has empty content.</source>
        <translation>Das Meta-Tag %1=&quot;%2&quot; hat einen leeren Inhalt.</translation>
    </message>
    <message>
        <source>og:image &quot;%1&quot; is not an absolute http(s) address.</source>
        <translation>og:image „%1“ ist keine absolute http(s)-Adresse.</translation>
    </message>
    <message>
        <source>DC.Date &quot;%1&quot; is not a W3C date such as 2024-05-31.</source>
        <translation>DC.Date „%1“ ist kein W3C-Datum wie 2024-05-31.</translation>
    </message>
    <message>
        <source>The refresh tag sends visitors to %1; search engines take it for a redirect.</source>
        <translation>Das Refresh-Tag schickt Besucher zu %1; Suchmaschinen halten es für eine Weiterleitung.</translation>
    </message>
    <message>
        <source>expires &quot;%1&quot; is neither 0 nor an HTTP date such as Sun, 06 Nov 1994 08:49:37 GMT.</source>
        <translation>expires „%1“ ist weder 0 noch ein HTTP-Datum wie Sun, 06 Nov 1994 08:49:37 GMT.</translation>
    </message>
    <message>
        <source>Unknown robots token &quot;%1&quot;.</source>
        <translation>Unbekannte Robots-Angabe „%1“.</translation>
    </message>
    <message>
        <source>robots &quot;%1&quot; keeps the page out of search results.</source>
        <translation>robots „%1“ hält die Seite aus den Suchergebnissen heraus.</translation>
    </message>
    <message>
        <source>A second canonical link; search engines may ignore them all.</source>
        <translation>Ein zweiter Canonical-Link; Suchmaschinen übergehen dann womöglich alle.</translation>
    </message>
    <message>
        <source>The canonical address &quot;%1&quot; is not an absolute http(s) address.</source>
        <translation>Die Canonical-Adresse „%1“ ist keine absolute http(s)-Adresse.</translation>
    </message>
    <message>
        <source>The head has no title.</source>
        <translation>Der Head hat keinen Titel.</translation>
    </message>
    <message>
        <source>The head has no description meta tag.</source>
        <translation>Der Head hat kein Description-Meta-Tag.</translation>
    </message>
    <message>
        <source>The description has %1 characters; 50 or more tell searchers more.</source>
        <translation>Die Beschreibung hat %1 Zeichen; 50 oder mehr sagen Suchenden mehr.</translation>
    </message>
    <message>
        <source>The head has no viewport meta tag; phones show the page zoomed out.</source>
        <translation>Der Head hat kein Viewport-Meta-Tag; Telefone zeigen die Seite verkleinert.</translation>
    </message>
    <message>
        <source>The Open Graph tags lack %1.</source>
        <translation>Den Open-Graph-Tags fehlt %1.</translation>
    </message>
    <message>
        <source>The page does not declare its charset.</source>
        <translation>Die Seite gibt ihren Zeichensatz nicht an.</translation>
    </message>
    <message>
        <source>The charset declaration ends past the first 1,024 bytes, where browsers look for it.</source>
        <translation>Die Zeichensatzangabe endet nach den ersten 1.024 Bytes, in denen Browser sie suchen.</translation>
    </message>
    <message>
        <source>This declares the charset %1, an earlier tag %2.</source>
        <translation>Dieses Tag gibt den Zeichensatz %1 an, ein früheres %2.</translation>
    </message>
    <message>
        <source>The page declares the charset %1, but its bytes are not %1.</source>
        <translation>Die Seite gibt den Zeichensatz %1 an, ihre Bytes sind aber kein %1.</translation>
    </message>
    <message>
        <source>The title is %1 px wide; search results show about %2 px.</source>
        <translation>Der Titel ist %1 px breit; Suchergebnisse zeigen etwa %2 px.</translation>
    </message>
    <message>
        <source>The description is %1 px wide; search results show about %2 px.</source>
        <translation>Die Beschreibung ist %1 px breit; Suchergebnisse zeigen etwa %2 px.</translation>
    </message>
    <message>
        <source>The page has no head tag; add &lt;head&gt; after &lt;html&gt; for Velko to put tags in.</source>
        <translation>Die Seite hat kein Head-Tag; fügen Sie &lt;head&gt; nach &lt;html&gt; ein, damit Velko Tags einsetzen kann.</translation>
    </message>
    <message>
        <source>The html tag has no lang attribute.</source>
        <translation>Das html-Tag hat kein lang-Attribut.</translation>
    </message>
    <message>
        <source>hreflang &quot;%1&quot; is neither a language code such as en or en-GB nor x-default.</source>
        <translation>hreflang &quot;%1&quot; ist weder ein Sprachcode wie en oder en-GB noch x-default.</translation>
    </message>
    <message>
        <source>The hreflang alternates do not list this page.</source>
        <translation>Die hreflang-Alternativen nennen diese Seite nicht.</translation>
    </message>
    <message>
        <source>The page is noindex and names another page as canonical.</source>
        <translation>Die Seite ist noindex und nennt eine andere Seite als kanonisch.</translation>
    </message>
    <message>
        <source>The canonical address &quot;%1&quot; names no file of the site.</source>
        <translation>Die kanonische Adresse &quot;%1&quot; nennt keine Datei der Site.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; names no file of the site.</source>
        <translation>%1 &quot;%2&quot; nennt keine Datei der Site.</translation>
    </message>
    <message>
        <source>%1 other indexable pages have this title, the first %2.</source>
        <translation>%1 andere indexierbare Seiten haben diesen Titel, die erste %2.</translation>
    </message>
    <message>
        <source>%1 other indexable pages have this description, the first %2.</source>
        <translation>%1 andere indexierbare Seiten haben diese Beschreibung, die erste %2.</translation>
    </message>
    <message>
        <source>The canonical page %1 is noindex or names another canonical.</source>
        <translation>Die kanonische Seite %1 ist noindex oder nennt eine andere kanonische Adresse.</translation>
    </message>
    <message>
        <source>%1 does not list this page as an alternate.</source>
        <translation>%1 nennt diese Seite nicht als Alternative.</translation>
    </message>
    <message>
        <source>Robots token &quot;%1&quot;: retired token, ignored by search engines.</source>
        <translation>Robots-Angabe &quot;%1&quot;: veraltet, von Suchmaschinen übergangen.</translation>
    </message>
    <message>
        <source>%1 cannot stand in a head: browsers end the head here and put the head tags after it in the body (%2: %3).</source>
        <translation>%1 darf nicht im Head stehen: Browser beenden den Head hier und setzen die Head-Tags danach in den Body (%2: %3).</translation>
    </message>
    <message>
        <source>The charset declaration ends past the first 1,024 bytes; browsers find it by a slower route.</source>
        <translation>Die Zeichensatzangabe endet nach den ersten 1.024 Bytes; Browser finden sie auf einem langsameren Weg.</translation>
    </message>
    <message>
        <source>The viewport&apos;s %1 keeps people from zooming the page; leave it out.</source>
        <translation>%1 im Viewport hindert Menschen daran, die Seite zu vergrößern; lassen Sie es weg.</translation>
    </message>
    <message>
        <source>The page does not start with &lt;!DOCTYPE html&gt;; browsers render it in quirks mode.</source>
        <translation>Die Seite beginnt nicht mit &lt;!DOCTYPE html&gt;; Browser stellen sie im Quirks-Modus dar.</translation>
    </message>
    <message>
        <source>The head links no icon; browsers look for /favicon.ico instead.</source>
        <translation>Der Head verweist auf kein Icon; Browser suchen stattdessen /favicon.ico.</translation>
    </message>
    <message>
        <source>The JSON-LD does not parse as JSON: %1.</source>
        <translation>Das JSON-LD ist kein gültiges JSON: %1.</translation>
    </message>
    <message>
        <source>The hreflang alternate &quot;%1&quot; is not an absolute http(s) address.</source>
        <translation>Die hreflang-Alternative „%1“ ist keine absolute http(s)-Adresse.</translation>
    </message>
    <message>
        <source>The canonical address &quot;%1&quot; is the site&apos;s root; give this page its own.</source>
        <translation>Die kanonische Adresse „%1“ ist die Wurzel der Website; geben Sie dieser Seite eine eigene.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; keeps the page out of that search engine&apos;s results.</source>
        <translation>%1 „%2“ hält die Seite aus den Ergebnissen dieser Suchmaschine heraus.</translation>
    </message>
    <message>
        <source>A second canonical link to the same address; one is enough.</source>
        <translation>Ein zweiter kanonischer Link auf dieselbe Adresse; einer genügt.</translation>
    </message>
    <message>
        <source>%1 has its value in value=, which only some readers take; use content=</source>
        <translation>%1 hat seinen Wert in value=, das nur manche Leser nehmen; verwenden Sie content=</translation>
    </message>
    <message>
        <source>Text &quot;%1&quot; cannot stand in a head: browsers end the head here and put the head tags after it in the body (%2: %3).</source>
        <translation>Text „%1“ darf nicht im Head stehen: Browser beenden den Head hier und setzen die Head-Tags danach in den Body (%2: %3).</translation>
    </message>
</context>
<context>
    <name>velko::PublicFetch</name>
    <message>
        <source>%1 is not a public address</source>
        <translation>%1 ist keine öffentliche Adresse</translation>
    </message>
    <message>
        <source>Larger than %1 MB</source>
        <translation>Größer als %1 MB</translation>
    </message>
</context>
<context>
    <name>velko::QtDesktopServices</name>
    <message>
        <source>HTML (*.htm *.html);;All (*)</source>
        <extracomment>The file dialogs&apos; filters: keep the patterns in brackets and the &quot;;;&quot;.</extracomment>
        <translation>HTML (*.htm *.html);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Form files (*.json);;All (*)</source>
        <extracomment>The file dialogs&apos; filters: keep the patterns in brackets and the &quot;;;&quot;.</extracomment>
        <translation>Formulardateien (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All (*)</source>
        <extracomment>The file dialogs&apos; filters: keep the patterns in brackets and the &quot;;;&quot;.</extracomment>
        <translation>CSV-Dateien (*.csv);;Alle (*)</translation>
    </message>
    <message>
        <source>Update Instead</source>
        <translation>Stattdessen aktualisieren</translation>
    </message>
    <message>
        <source>Undo Last Site Update</source>
        <translation>Letzte Website-Aktualisierung rückgängig</translation>
    </message>
</context>
<context>
    <name>velko::SiteCheckDialog</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Check Site</source>
        <translation>Website prüfen</translation>
    </message>
    <message>
        <source>Finding pages...</source>
        <translation>Seiten werden gesucht...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Findings per rule</source>
        <translation>Befunde je Regel</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Findings of the page</source>
        <translation>Befunde der Seite</translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation>Seite öffnen</translation>
    </message>
    <message>
        <source>Save Report As...</source>
        <translation>Bericht speichern unter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Checking %1 pages...</source>
        <translation>%1 Seiten werden geprüft...</translation>
    </message>
    <message>
        <source>There are no pages (*.htm, *.html, *.xhtml) in %1.</source>
        <translation>In %1 gibt es keine Seiten (*.htm, *.html, *.xhtml).</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>Pages with errors:</source>
        <translation>Seiten mit Fehlern:</translation>
    </message>
    <message>
        <source>Errors:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Warnungen:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>Pages that could not be read:</source>
        <translation>Nicht lesbare Seiten:</translation>
    </message>
    <message>
        <source>Not checked without the site&apos;s address: %1</source>
        <translation>Ohne die Adresse der Website nicht geprüft: %1</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Bericht speichern unter</translation>
    </message>
</context>
<context>
    <name>velko::SiteEditor</name>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Pages that will change</source>
        <translation>Seiten, die sich ändern</translation>
    </message>
    <message>
        <source>Changes of the page</source>
        <translation>Änderungen der Seite</translation>
    </message>
    <message numerus="yes">
        <source>%n pages will change:</source>
        <translation>
            <numerusform>%n Seite wird sich ändern:</numerusform>
            <numerusform>%n Seiten werden sich ändern:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - Site Editor</source>
        <translation>%1 - Website-Editor</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Only pages with findings</source>
        <translation>Nur Seiten mit Befunden</translation>
    </message>
    <message>
        <source>Only shared titles</source>
        <translation>Nur gemeinsame Titel</translation>
    </message>
    <message>
        <source>Only shared descriptions</source>
        <translation>Nur gemeinsame Beschreibungen</translation>
    </message>
    <message>
        <source>Only changed</source>
        <translation>Nur geänderte</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Search result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>Findings of the page</source>
        <translation>Befunde der Seite</translation>
    </message>
    <message>
        <source>Finding pages...</source>
        <translation>Seiten werden gesucht...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Write the edited titles and descriptions into their pages (%1)</source>
        <translation>Die bearbeiteten Titel und Beschreibungen in ihre Seiten schreiben (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n pages...</source>
        <translation>
            <numerusform>%n Seite wird gelesen...</numerusform>
            <numerusform>%n Seiten werden gelesen...</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Site</source>
        <translation>Website öffnen</translation>
    </message>
    <message>
        <source>There are no pages (*.htm, *.html, *.xhtml) in %1.</source>
        <translation>In %1 gibt es keine Seiten (*.htm, *.html, *.xhtml).</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saving %n pages...</source>
        <translation>
            <numerusform>%n Seite wird gespeichert...</numerusform>
            <numerusform>%n Seiten werden gespeichert...</numerusform>
        </translation>
    </message>
    <message>
        <source>The pages saved cannot be undone: %1</source>
        <translation>Das Speichern der Seiten kann nicht rückgängig gemacht werden: %1</translation>
    </message>
    <message>
        <source>All changes saved.</source>
        <translation>Alle Änderungen gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages not saved.</source>
        <translation>
            <numerusform>%n Seite nicht gespeichert.</numerusform>
            <numerusform>%n Seiten nicht gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages were not saved.</source>
        <translation>
            <numerusform>%n Seite wurde nicht gespeichert.</numerusform>
            <numerusform>%n Seiten wurden nicht gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message numerus="yes">
        <source>%n rows name pages that are not in the folder; they were left out.</source>
        <translation>
            <numerusform>%n Zeile nennt eine Seite, die nicht im Ordner ist; sie wurde ausgelassen.</numerusform>
            <numerusform>%n Zeilen nennen Seiten, die nicht im Ordner sind; sie wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
</context>
<context>
    <name>velko::SiteRowsModel</name>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>%1 of %2 px</source>
        <translation>%1 von %2 px</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Title px</source>
        <translation>Titel px</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Description px</source>
        <translation>Beschreibung px</translation>
    </message>
    <message>
        <source>Robots</source>
        <translation>Robots</translation>
    </message>
    <message>
        <source>Canonical</source>
        <translation>Canonical</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>velko::SiteUpdateDialog</name>
    <message>
        <source>replace %1, add %2, remove %3</source>
        <translation>%1 ersetzen, %2 hinzufügen, %3 entfernen</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Update Tags In Files</source>
        <translation>Tags in Dateien aktualisieren</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>Keep each page&apos;s own title, description and addresses</source>
        <translation>Titel, Beschreibung und Adressen jeder Seite beibehalten</translation>
    </message>
    <message>
        <source>Leave each page&apos;s title, description, og:title, og:description, og:url and canonical link as they are</source>
        <translation>Titel, Beschreibung, og:title, og:description, og:url und kanonischen Link jeder Seite unverändert lassen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>What the update does to each page</source>
        <translation>Was die Aktualisierung an jeder Seite ändert</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Update %1 Pages</source>
        <translation>%1 Seiten aktualisieren</translation>
    </message>
    <message>
        <source>Pages updated: %1</source>
        <translation>Aktualisierte Seiten: %1</translation>
    </message>
    <message>
        <source>Unchanged: %1</source>
        <translation>Unverändert: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Left untouched when stopped: %1</source>
        <translation>Beim Abbruch unberührt: %1</translation>
    </message>
    <message>
        <source>Finding pages...</source>
        <translation>Seiten werden gesucht...</translation>
    </message>
    <message>
        <source>There are no pages (*.htm, *.html) in %1.</source>
        <translation>In %1 gibt es keine Seiten (*.htm, *.html).</translation>
    </message>
    <message>
        <source>The pages written cannot be undone: %1</source>
        <translation>Das Schreiben der Seiten kann nicht rückgängig gemacht werden: %1</translation>
    </message>
</context>
<context>
    <name>velko::SocialCardView</name>
    <message>
        <source>Load Image</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Fetch the picture that og:image names from the web</source>
        <translation>Das Bild, das og:image nennt, aus dem Web laden</translation>
    </message>
    <message>
        <source>not a picture Velko can show</source>
        <translation>kein Bild, das Velko anzeigen kann</translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1</source>
        <translation>Das Bild konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>velko::UnsavedWork</name>
    <message>
        <source>The HTML document has changes that have not been saved.</source>
        <translation>Das HTML-Dokument enthält Änderungen, die noch nicht gespeichert wurden.</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>The form has changes that have not been saved.</source>
        <translation>Das Formular enthält Änderungen, die noch nicht gespeichert wurden.</translation>
    </message>
    <message>
        <source>Do you want to save them as a form file?</source>
        <translation>Möchten Sie sie als Formulardatei speichern?</translation>
    </message>
    <message>
        <source>The HTML document and the form have changes that have not been saved.</source>
        <translation>Das HTML-Dokument und das Formular enthalten Änderungen, die noch nicht gespeichert wurden.</translation>
    </message>
    <message>
        <source>Do you want to save the document, and the form as a form file?</source>
        <translation>Möchten Sie das Dokument speichern, und das Formular als Formulardatei?</translation>
    </message>
    <message>
        <source>The site&apos;s titles and descriptions have edits that have not been saved.</source>
        <translation>Die Titel und Beschreibungen der Website haben ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Do you want to save them in the pages?</source>
        <translation>Möchten Sie sie in den Seiten speichern?</translation>
    </message>
</context>
<context>
    <name>velko::UpdateCheck</name>
    <message>
        <source>Program Update</source>
        <translation>Programmaktualisierung</translation>
    </message>
    <message>
        <source>Unable to connect to server.</source>
        <translation>Keine Verbindung zum Server möglich.</translation>
    </message>
    <message>
        <source>Your version of Velko is current</source>
        <translation>Ihre Velko-Version ist aktuell</translation>
    </message>
    <message>
        <source>A newer version of Velko is available.<byte value="xd"/>
Would you like to download it?</source>
        <translation>Eine neuere Version von Velko ist verfügbar.<byte value="xd"/>
Möchten Sie sie herunterladen?</translation>
    </message>
    <message>
        <source>No browser could be started for %1</source>
        <translation>Für %1 konnte kein Browser gestartet werden</translation>
    </message>
</context>
<context>
    <name>velko::WebFetcher</name>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>Connection closed by the server</source>
        <translation>Verbindung vom Server geschlossen</translation>
    </message>
    <message>
        <source>Secure connection failed</source>
        <translation>Sichere Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Too many redirects</source>
        <translation>Zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>Redirected to a less safe address</source>
        <translation>Zu einer weniger sicheren Adresse weitergeleitet</translation>
    </message>
    <message>
        <source>Not an http or https address</source>
        <translation>Keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>Not an HTTP answer</source>
        <translation>Keine HTTP-Antwort</translation>
    </message>
    <message>
        <source>Timed out after %1 s</source>
        <translation>Zeitüberschreitung nach %1 s</translation>
    </message>
    <message>
        <source>Larger than 100 MB</source>
        <translation>Größer als 100 MB</translation>
    </message>
    <message>
        <source>Connection closed before the whole page arrived</source>
        <translation>Verbindung geschlossen, bevor die ganze Seite eingetroffen war</translation>
    </message>
</context>
<context>
    <name>velko::WebImportDialog</name>
    <message>
        <source>Missing Data</source>
        <translation>Fehlende Angaben</translation>
    </message>
    <message>
        <source>Enter a URL</source>
        <translation>Geben Sie eine URL ein</translation>
    </message>
    <message>
        <source>URL Error</source>
        <translation>URL-Fehler</translation>
    </message>
    <message>
        <source>Enter a valid URL<byte value="xd"/>
<byte value="xd"/>
The URL should be in the format<byte value="xd"/>
&apos;http://&apos; + &apos;domain name&apos;<byte value="xd"/>
Example: http://www.example.com</source>
        <translation>Geben Sie eine gültige URL ein<byte value="xd"/>
<byte value="xd"/>
Die URL sollte diese Form haben:<byte value="xd"/>
&apos;http://&apos; + &apos;Domainname&apos;<byte value="xd"/>
Beispiel: http://www.example.com</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to retrieve page.<byte value="xd"/>
Check connection or URL.</source>
        <translation>Die Seite konnte nicht abgerufen werden.<byte value="xd"/>
Prüfen Sie die Verbindung oder die URL.</translation>
    </message>
    <message>
        <source>Import from Web</source>
        <translation>Aus dem Web importieren</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>velko::WebPreview</name>
    <message>
        <source>Title: %1 characters, %2 of %3 px</source>
        <translation>Titel: %1 Zeichen, %2 von %3 px</translation>
    </message>
    <message>
        <source>Description: %1 characters, %2 of %3 px</source>
        <translation>Beschreibung: %1 Zeichen, %2 von %3 px</translation>
    </message>
</context>
<context>
    <name>velko::WebPreviews</name>
    <message>
        <source>Search result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>Social card</source>
        <translation>Social-Media-Karte</translation>
    </message>
    <message>
        <source>Load preview images from the web</source>
        <translation>Vorschaubilder aus dem Web laden</translation>
    </message>
    <message>
        <source>Fetch the card&apos;s picture as soon as og:image names one on the web, without Load Image; never from a local or private address</source>
        <translation>Das Bild der Karte laden, sobald og:image eines im Web nennt, ohne „Bild laden“; nie von einer lokalen oder privaten Adresse</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A preview for a screen reader: the preview&apos;s name, then what it shows</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
