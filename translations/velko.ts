<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>velko::AboutBox</name>
    <message>
        <source>About Velko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velko logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velko Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 Harbordale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harbordale - Guides, Utilities, and Ideas for Site Builders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Harbordale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Velko Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yep!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::DesktopServices</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::DocumentCommands</name>
    <message>
        <source>File Validation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file does not appear to be a valid HTML file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the file&apos;s HTML syntax and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No generated tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill in some of the form fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then generate the tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of the same generated tag types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>may already appear in the target HTML file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert these meta tags into the HTML file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace %1 tags, add %2, remove %3 duplicates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Tags In File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page already has these tags.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tags would declare the charset %1, but the page is saved in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by another program and has been reloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::ExportCommands</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no meta tags to copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type some text in the tags fields, then generate the tags.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no meta tags to generate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type some text in the tags fields, then generate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Tags As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::FileImport</name>
    <message>
        <source>Import File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::FindBar</name>
    <message>
        <source>Match case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached the top, went on from the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reached the end, went on from the top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::FindingsList</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::Form</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords separated by commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page description less than 200 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Person who authored the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact person&apos;s e-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright year and name of holder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revisit After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency of a spider&apos;s return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds before transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfers visitors to another page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date content expires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a different language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary creator of the content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One who makes the resource available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Contributors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contributor to the resource&apos;s content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of the resource&apos;s creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nature of the resource&apos;s content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media-type of the resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Url of the resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source from which the resource was derived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the resource&apos;s content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Relation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference to a related resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Coverage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geographical scope of the resource&apos;s content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Rights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info about rights held in the resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program that created the web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can prevent page framing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brief summary of the description meta tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sometimes used instead of meta tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Robot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restrict or allow spiders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commonly ISO-8859-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Caching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can stop browsers from caching page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the resource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account of the resource&apos;s content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic of the resource&apos;s content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Title as Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Keywords as Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Description as Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D.C. Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generated Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canonical URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page&apos;s preferred address, for search engines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour browsers give their bar, such as #336699</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>og:title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title shown when the page is shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>og:description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description shown when the page is shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>og:url</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address a shared link leads to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>og:image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture shown when the page is shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>og:image:alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text that describes the shared picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>og:site_name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the whole site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>og:locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language and region, such as en_US</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>twitter:site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site&apos;s account, such as @harbordale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>twitter:creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The author&apos;s account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How phones fit the page to their screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>og:type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind of content the page is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>twitter:card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout of a shared link: summary or large picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Declare UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tells browsers the page is in UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Open Graph from General Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An empty og:title, og:description or og:url takes Title, Description or Canonical URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Tags</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::FormPresets</name>
    <message>
        <source>Open Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Form As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::HelpViewer</name>
    <message>
        <source>Velko Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h1&gt;Help not found&lt;/h1&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be found. Check the &lt;tt&gt;help/file&lt;/tt&gt; setting in velko.conf.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import From &amp;Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave File As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;orm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill In Examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Form Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert Tags Into File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Tags As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp;Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check For &amp;Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Velko Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Promote Your Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Support Velko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velko &amp;Online Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Velko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update Tags In File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Form...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Form As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Tags In &amp;Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Site...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Sit&amp;e...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Last Site Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Previews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wrap Long Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::MainWindow</name>
    <message>
        <source>%1[*] - Velko</source>
        <extracomment>The window&apos;s title: the document&apos;s file name, Qt&apos;s place for the changed mark, and the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Tags In Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages are being updated. Stop updating them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Last Site Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no site update to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back the %1 pages written by %2 at %3? Pages changed since are left alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages restored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left alone, changed since: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::PageChecker</name>
    <message>
        <source>%1 is after the head; it belongs in the head.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The head has more than one title; browsers show the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A second meta tag with %1=&quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meta tag %1=&quot;%2&quot; has empty content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>og:image &quot;%1&quot; is not an absolute http(s) address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC.Date &quot;%1&quot; is not a W3C date such as 2024-05-31.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refresh tag sends visitors to %1; search engines take it for a redirect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expires &quot;%1&quot; is neither 0 nor an HTTP date such as Sun, 06 Nov 1994 08:49:37 GMT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown robots token &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>robots &quot;%1&quot; keeps the page out of search results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A second canonical link; search engines may ignore them all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The canonical address &quot;%1&quot; is not an absolute http(s) address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The head has no title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The head has no description meta tag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description has %1 characters; 50 or more tell searchers more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The head has no viewport meta tag; phones show the page zoomed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Open Graph tags lack %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page does not declare its charset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The charset declaration ends past the first 1,024 bytes, where browsers look for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This declares the charset %1, an earlier tag %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page declares the charset %1, but its bytes are not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title is %1 px wide; search results show about %2 px.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description is %1 px wide; search results show about %2 px.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page has no head tag; add &lt;head&gt; after &lt;html&gt; for Velko to put tags in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The html tag has no lang attribute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hreflang &quot;%1&quot; is neither a language code such as en or en-GB nor x-default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hreflang alternates do not list this page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page is noindex and names another page as canonical.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The canonical address &quot;%1&quot; names no file of the site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; names no file of the site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 other indexable pages have this title, the first %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 other indexable pages have this description, the first %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The canonical page %1 is noindex or names another canonical.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not list this page as an alternate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Robots token &quot;%1&quot;: retired token, ignored by search engines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot stand in a head: browsers end the head here and put the head tags after it in the body (%2: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The charset declaration ends past the first 1,024 bytes; browsers find it by a slower route.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The viewport&apos;s %1 keeps people from zooming the page; leave it out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page does not start with &lt;!DOCTYPE html&gt;; browsers render it in quirks mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The head links no icon; browsers look for /favicon.ico instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JSON-LD does not parse as JSON: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hreflang alternate &quot;%1&quot; is not an absolute http(s) address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The canonical address &quot;%1&quot; is the site&apos;s root; give this page its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; keeps the page out of that search engine&apos;s results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A second canonical link to the same address; one is enough.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has its value in value=, which only some readers take; use content=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text &quot;%1&quot; cannot stand in a head: browsers end the head here and put the head tags after it in the body (%2: %3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::PublicFetch</name>
    <message>
        <source>%1 is not a public address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::QtDesktopServices</name>
    <message>
        <source>HTML (*.htm *.html);;All (*)</source>
        <extracomment>The file dialogs&apos; filters: keep the patterns in brackets and the &quot;;;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form files (*.json);;All (*)</source>
        <extracomment>The file dialogs&apos; filters: keep the patterns in brackets and the &quot;;;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All (*)</source>
        <extracomment>The file dialogs&apos; filters: keep the patterns in brackets and the &quot;;;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Last Site Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::SiteCheckDialog</name>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings per rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Severity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings of the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking %1 pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no pages (*.htm, *.html, *.xhtml) in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages with errors:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages that could not be read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not checked without the site&apos;s address: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::SiteEditor</name>
    <message>
        <source>Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages that will change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes of the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n pages will change:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - Site Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only pages with findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only shared titles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only shared descriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings of the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the edited titles and descriptions into their pages (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Reading %n pages...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Open Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no pages (*.htm, *.html, *.xhtml) in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saving %n pages...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The pages saved cannot be undone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All changes saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n pages not saved.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages were not saved.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rows name pages that are not in the folder; they were left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::SiteRowsModel</name>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Robots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canonical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::SiteUpdateDialog</name>
    <message>
        <source>replace %1, add %2, remove %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Tags In Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep each page&apos;s own title, description and addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave each page&apos;s title, description, og:title, og:description, og:url and canonical link as they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the update does to each page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update %1 Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages updated: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unchanged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left untouched when stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no pages (*.htm, *.html) in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pages written cannot be undone: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::SocialCardView</name>
    <message>
        <source>Load Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch the picture that og:image names from the web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a picture Velko can show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::UnsavedWork</name>
    <message>
        <source>The HTML document has changes that have not been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The form has changes that have not been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save them as a form file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The HTML document and the form have changes that have not been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the document, and the form as a form file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site&apos;s titles and descriptions have edits that have not been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save them in the pages?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::UpdateCheck</name>
    <message>
        <source>Program Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your version of Velko is current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A newer version of Velko is available.<byte value="xd"/>
Would you like to download it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No browser could be started for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::WebFetcher</name>
    <message>
        <source>Connection refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection closed by the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure connection failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many redirects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redirected to a less safe address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an http or https address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an HTTP answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed out after %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger than 100 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection closed before the whole page arrived</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::WebImportDialog</name>
    <message>
        <source>Missing Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid URL<byte value="xd"/>
<byte value="xd"/>
The URL should be in the format<byte value="xd"/>
&apos;http://&apos; + &apos;domain name&apos;<byte value="xd"/>
Example: http://www.example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to retrieve page.<byte value="xd"/>
Check connection or URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::WebPreview</name>
    <message>
        <source>Title: %1 characters, %2 of %3 px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description: %1 characters, %2 of %3 px</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velko::WebPreviews</name>
    <message>
        <source>Search result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Social card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load preview images from the web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch the card&apos;s picture as soon as og:image names one on the web, without Load Image; never from a local or private address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A preview for a screen reader: the preview&apos;s name, then what it shows</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
