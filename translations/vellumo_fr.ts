<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vellumo::ColourStrip</name>
    <message>
        <source>Select Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export backgrounds…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the full-size background pictures in a folder, ready to upload to a picture host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 backgrounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export backgrounds to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 of the pictures is in %1 already. Replace them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n of the pictures are in %1 already. Replace them?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The backgrounds could not be saved in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background %1 is saved in %2 as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 backgrounds are saved in %2, as %3 to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload the picture you want to a picture host, then pick &quot;%1&quot; in the background list and give its https address: buyers see the background from there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::DesignPage</name>
    <message>
        <source>Product Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eBay&apos;s phone summary: up to %1 characters that buyers on a phone see first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of your listing: the title, paragraphs and summary are spell-checked in it, and the check before Save looks for phone numbers as its eBay site&apos;s country writes them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::DesktopServices</name>
    <message>
        <source>Photos (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::FindingTexts</name>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 element</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 elements</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>an %1 attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 attributes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 addresses</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other kinds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>a font from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a style sheet from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no address: buyers will see a broken picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 still reads &quot;Default&quot; (its template was incomplete): buyers will see a broken picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a file on this computer (%2). Buyers cannot see it: put the picture on a picture host and use its https:// address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 uses an http:// address. eBay shows pictures only from https:// addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) is a web address without https: in front. On eBay&apos;s pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a web address (%2): buyers will see a broken picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 still reads &quot;Default&quot;: its template was incomplete. Type the text you want.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not a colour written as # and six hexadecimal digits: buyers&apos; browsers show some other colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains %2. eBay refuses listings with active content (&quot;Disallowed JavaScript/HTML Syntax&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 links to %2. eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln places off eBay (%2). eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 loads %2 off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 loads %Ln style sheets and fonts (%2) off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the e-mail address %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln e-mail addresses (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the phone number %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln phone numbers (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 shows a picture from an http:// address (%2). eBay shows pictures only from https:// addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures from http:// addresses (%2). eBay shows pictures only from https:// addresses.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 links to an http:// address (%2). eBay accepts only https:// links in listings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln http:// addresses (%2). eBay accepts only https:// links in listings.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uses %2, a web address without https: in front. On eBay&apos;s pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shows a picture that is not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures that are not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opens a comment (&lt;!--) and never closes it: buyers see nothing of the listing after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see the rest of the listing as code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see nothing of the listing after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ends inside a tag (%2): the listing&apos;s own markup after it is read as part of that tag, and part of the listing breaks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nests elements more than %2 deep, deeper than browsers show as written. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a tag with more than %2 attributes. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes past %2 elements and texts in all, more than a listing needs. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text colour %1 on background %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text colour %1 on the Background colour %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No colour of the palette reads well on both the Background colour and the background picture: change one of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a word the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 has %Ln words the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The phone summary has %1 characters; eBay shows %2 and drops the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone summary holds markup eBay does not take there (%1); only lists (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), line breaks and &amp;nbsp; show on a phone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buyers will not see the background until the picture is online where their browsers can load it. Click &quot;%1&quot;, upload the picture to a picture host, then pick &quot;%2&quot; in the background list and give its https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buyers will not see background %1 until the picture is online where their browsers can load it. Click &quot;%2&quot;, upload the picture to a picture host, then pick &quot;%3&quot; in the background list and give its https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borders colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The credit footer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description is %1 characters long, tags included. eBay refuses descriptions over %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use https://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put https: in front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the phone number out</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Take the phone numbers out</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Close it with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the credit without the link off eBay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : 1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::FullScreenView</name>
    <message>
        <source>Phone (375 px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eBay description (700 px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the listing at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc closes this view</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::HelpPage</name>
    <message>
        <source>Brenvik 2000 Web Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eBay Web Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Join the Brenvik mailing list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join our mailing list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Brenvik 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the notice after saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellumo Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Image Hosting Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can find many more using Google</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Picture hosting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload your photos to your own web space (WebDAV, SFTP or FTP with TLS)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::HelpWindow</name>
    <message>
        <source>Vellumo Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::ListingCheckDialog</name>
    <message>
        <source>eBay blocks this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buyers will not see this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before this listing is saved and copied for eBay, look at what Vellumo found in it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::MainWindow</name>
    <message>
        <source>Incorrect Format:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the design before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a Template Style, fill in the title and all other fields before previewing.  Alternatively you may load an existing template from the My Templates tab.    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The https address of your background picture, once it is on a picture host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the background: it must be a whole https:// address (buyers&apos; browsers show no picture from other addresses), without blanks or quotes. The background stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your choice could not be saved in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::Palette</name>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::PickerLists</name>
    <message>
        <source>Select Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Alternating Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Inline Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Alternating Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Inline Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Alternating Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Inline Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Alternating Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Inline Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own picture…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::PictureBoxUpload</name>
    <message>
        <source>Upload photo…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a photo on this computer: Vellumo uploads it to your picture hosting and puts its address here. You can also drop photos on the box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading the photo… %p%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel upload</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHosting</name>
    <message>
        <source>Photos to upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 photos were given, but the layout has only %2 empty picture boxes left: the other %3 were not uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; on %2 (Vellumo keeps it in the desktop&apos;s keyring, or in memory until it closes where there is no keyring):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture hosting settings could not be saved in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHostingDialog</name>
    <message>
        <source>Compare it with the fingerprint your hosting provider publishes for its SFTP server. Trust this server and remember its key?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Hosting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellumo uploads your photos to your own web space and puts their https addresses into the picture boxes. Most hosting packages offer WebDAV, SFTP or FTP with TLS: your provider&apos;s help pages name the server, and the web address of each folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept in your desktop&apos;s keyring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder on the server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its public address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploads a small file, loads it from the public address and removes it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test worked: a small file went to the server, came back unchanged from %1 and was removed again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::PreviewPage</name>
    <message>
        <source>This preview is for checking colors only and the listing may appear distorted.  To see how the listing will actually look click the Full Screen button.  To save the finished Template and code click the Save button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the template and copy the code to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview your listing full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone-friendly layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures scale down and long words wrap, so the listing fits a phone&apos;s screen; on a wide screen it looks the same</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::RunningInstance</name>
    <message>
        <source>Vellumo is already running on your designs (in %1), but it does not answer.

If its window is hidden or no longer responds, close it, or end Vellumo in your system monitor, then start Vellumo again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::SavedNotice</name>
    <message>
        <source>Template Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Template and Html code file have been saved and are available in the My Templates tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The HTML code has been copied to the clipboard and saved in My Templates. In eBay&apos;s listing form, switch the description editor to HTML and paste it there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::Spelling</name>
    <message>
        <source>Spelling is off: the %1 dictionary could not be opened (%2/%3.dic: %4). Install the Debian package %5 to check spelling in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added to your words in %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::SummaryDialog</name>
    <message>
        <source>Phone Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eBay&apos;s apps and phone pages show this summary first, before the buyer opens the full description. Keep it to the points a buyer decides on. Plain text and line breaks; lists (&amp;lt;ul&amp;gt;, &amp;lt;ol&amp;gt;, &amp;lt;li&amp;gt;), &amp;lt;br&amp;gt; and &amp;amp;nbsp; are the only markup eBay takes. Leave it empty for none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::TemplatesPage</name>
    <message>
        <source>&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at %1 it is too large to be a template (a template file holds at most %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Html Codes for Listings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected template and file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load selected template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open selected file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of Template to Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save template and file as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a template to load     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a template Vellumo can load: the name of a template ends in 2, 3, 4 or 5, the number of its photos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template %1 is no longer in My Templates; nothing was loaded. The lists now show what the folder holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template %1 could not be read: %2. Nothing was loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Vellumo template: no [%2] section. Nothing was loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template %1 holds colour values that are not colours (%2). Vellumo uses the default colours instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A design named %1 is saved already. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a Template Style and fill in its fields before saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type a name for the template in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name %1 is too long for a file name: a template name may have at most %2 bytes (an accented letter takes two), and this one has %3. Please shorten it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template %1 could not be saved in %2: %3. Nothing was copied to the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a template or code file to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the design %1, its template and its Html code file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the template %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the Html code file %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not everything could be deleted from %1: %2. The lists show what is left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an Html code file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Html code file %1 is no longer in My Templates. The lists now show what the folder holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no program for text files is set up on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Html code file %1 could not be opened: %2. You will find it at
%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::UploadTexts</name>
    <message>
        <source>Plain FTP is not offered: it sends your password and your photos unencrypted. Choose &quot;%1&quot; or SFTP; most hosting packages offer both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebDAV over http is not offered: it sends your password and your photos unencrypted. Use the server&apos;s https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give the server&apos;s name, such as dav.example.com.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name: give only the name, such as dav.example.com, and the port in its own box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535, or empty for the usual one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give the user name of your hosting account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The public address must begin with https://: eBay shows no pictures from http:// addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give the public address where buyers&apos; browsers find the folder&apos;s pictures, such as https://www.example.com/photos/.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload could not start: libcurl did not initialise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 refused the user name &quot;%2&quot; or its password. Check them under Picture hosting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SFTP server %1 is not known yet. It identifies itself with the key %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SFTP server %1 no longer shows the key you trusted before; it now shows %2. A reinstalled server does this, and so does someone listening in between. The upload was refused. Once your hosting provider confirms the new key, remove the line of this server from %3 and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key of %1 could not be kept in %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 is not trusted: %2. Nothing was sent. Ask your hosting provider for a certificate this computer trusts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 stopped answering: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 has no room for the photo (%2). Free some space in your web space and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 answers 404 Not Found: the public address does not lead to the folder &quot;%2&quot;. Check both under Picture hosting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 gives back something else than was sent: the public address does not lead to the folder &quot;%2&quot;. Check both under Picture hosting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload was cancelled; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2 (answer %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a photo Vellumo can read: it takes JPEG, PNG and WebP pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: its picture data is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 megapixels; Vellumo takes photos of up to %3 megapixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels; eBay asks for at least %4 pixels on the longest side. Please use a larger photo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be converted: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebDAV over https</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP with TLS (FTPS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photo is on the server, but its public address %1 could not be loaded. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellumo::WindowFrame</name>
    <message>
        <source>Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
