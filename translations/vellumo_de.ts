<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>vellumo::ColourStrip</name>
    <message>
        <source>Select Colors</source>
        <translation>Farben wählen</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Kein Hintergrund</translation>
    </message>
    <message>
        <source>Export backgrounds…</source>
        <translation>Hintergründe exportieren…</translation>
    </message>
    <message>
        <source>Save the full-size background pictures in a folder, ready to upload to a picture host</source>
        <translation>Speichert die Hintergrundbilder in voller Größe in einem Ordner, bereit zum Hochladen bei einem Bilderdienst</translation>
    </message>
    <message>
        <source>The chosen background</source>
        <translation>Den gewählten Hintergrund</translation>
    </message>
    <message>
        <source>All %1 backgrounds</source>
        <translation>Alle %1 Hintergründe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Hintergrund %1</translation>
    </message>
    <message>
        <source>Export backgrounds to</source>
        <translation>Hintergründe exportieren nach</translation>
    </message>
    <message>
        <source>1 of the pictures is in %1 already. Replace them?</source>
        <translation>Eines der Bilder liegt bereits in %1. Ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%n of the pictures are in %1 already. Replace them?</source>
        <translation>
            <numerusform>%n der Bilder liegt bereits in %1. Ersetzen?</numerusform>
            <numerusform>%n der Bilder liegen bereits in %1. Ersetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>The backgrounds could not be saved in %1: %2.</source>
        <translation>Die Hintergründe konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Background %1 is saved in %2 as %3.</source>
        <translation>Hintergrund %1 ist in %2 als %3 gespeichert.</translation>
    </message>
    <message>
        <source>The %1 backgrounds are saved in %2, as %3 to %4.</source>
        <translation>Die %1 Hintergründe sind in %2 gespeichert, als %3 bis %4.</translation>
    </message>
    <message>
        <source>Upload the picture you want to a picture host, then pick &quot;%1&quot; in the background list and give its https address: buyers see the background from there.</source>
        <translation>Laden Sie das gewünschte Bild bei einem Bilderdienst hoch, wählen Sie dann „%1“ in der Hintergrundliste und geben Sie seine https-Adresse an: Von dort sehen Käufer den Hintergrund.</translation>
    </message>
</context>
<context>
    <name>vellumo::DesignPage</name>
    <message>
        <source>Product Title</source>
        <translation>Artikelbezeichnung</translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation>Erster Absatz</translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation>Zweiter Absatz</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>Erstes Bild</translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation>Zweites Bild</translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation>Dritter Absatz</translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation>Drittes Bild</translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation>Vierter Absatz</translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation>Fünfter Absatz</translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation>Fünftes Bild</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Kurztext</translation>
    </message>
    <message>
        <source>eBay&apos;s phone summary: up to %1 characters that buyers on a phone see first</source>
        <translation>eBays Zusammenfassung für Mobilgeräte: bis zu %1 Zeichen, die Käufer auf dem Handy zuerst sehen</translation>
    </message>
    <message>
        <source>Spelling:</source>
        <translation>Rechtschreibung:</translation>
    </message>
    <message>
        <source>The language of your listing: the title, paragraphs and summary are spell-checked in it, and the check before Save looks for phone numbers as its eBay site&apos;s country writes them</source>
        <translation>Die Sprache Ihres Angebots: Artikelbezeichnung, Absätze und Zusammenfassung werden in ihr auf Rechtschreibung geprüft, und die Prüfung vor dem Speichern sucht Telefonnummern so, wie das Land ihrer eBay-Website sie schreibt</translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation>Viertes Bild</translation>
    </message>
</context>
<context>
    <name>vellumo::DesktopServices</name>
    <message>
        <source>Photos (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
</context>
<context>
    <name>vellumo::FindingTexts</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>Das erste Bild</translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation>Der erste Absatz</translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation>Das zweite Bild</translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation>Der zweite Absatz</translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation>Das dritte Bild</translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation>Der dritte Absatz</translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation>Das vierte Bild</translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation>Der vierte Absatz</translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation>Das fünfte Bild</translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation>Der fünfte Absatz</translation>
    </message>
    <message numerus="yes">
        <source>%Ln more</source>
        <translation>
            <numerusform>%Ln weitere</numerusform>
            <numerusform>%Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 element</source>
        <translation>ein %1-Element</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 elements</source>
        <translation>
            <numerusform>%Ln %1-Element</numerusform>
            <numerusform>%Ln %1-Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>an %1 attribute</source>
        <translation>ein Attribut %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 attributes</source>
        <translation>
            <numerusform>%Ln Attribut %1</numerusform>
            <numerusform>%Ln Attribute %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 address</source>
        <translation>eine %1-Adresse</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 addresses</source>
        <translation>
            <numerusform>%Ln %1-Adresse</numerusform>
            <numerusform>%Ln %1-Adressen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other kinds</source>
        <translation>
            <numerusform>%n weitere Art</numerusform>
            <numerusform>%n weitere Arten</numerusform>
        </translation>
    </message>
    <message>
        <source>a font from %1</source>
        <translation>eine Schrift von %1</translation>
    </message>
    <message>
        <source>a style sheet from %1</source>
        <translation>ein Stylesheet von %1</translation>
    </message>
    <message>
        <source>%1 has no address: buyers will see a broken picture.</source>
        <translation>%1 hat keine Adresse: Käufer sehen ein defektes Bild.</translation>
    </message>
    <message>
        <source>%1 still reads &quot;Default&quot; (its template was incomplete): buyers will see a broken picture.</source>
        <translation>%1 lautet noch „Default“ (die Vorlage war unvollständig): Käufer sehen ein defektes Bild.</translation>
    </message>
    <message>
        <source>%1 is a file on this computer (%2). Buyers cannot see it: put the picture on a picture host and use its https:// address.</source>
        <translation>%1 ist eine Datei auf diesem Computer (%2). Käufer können sie nicht sehen: Legen Sie das Bild bei einem Bilderdienst ab und verwenden Sie seine https://-Adresse.</translation>
    </message>
    <message>
        <source>%1 uses an http:// address. eBay shows pictures only from https:// addresses.</source>
        <translation>%1 verwendet eine http://-Adresse. eBay zeigt nur Bilder von https://-Adressen.</translation>
    </message>
    <message>
        <source>%1 (%2) is a web address without https: in front. On eBay&apos;s pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation>%1 (%2) ist eine Webadresse ohne https: davor. Auf eBays Seiten funktioniert sie; mit https: davor funktioniert sie überall, wo das Angebot gezeigt wird.</translation>
    </message>
    <message>
        <source>%1 is not a web address (%2): buyers will see a broken picture.</source>
        <translation>%1 ist keine Webadresse (%2): Käufer sehen ein defektes Bild.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1 still reads &quot;Default&quot;: its template was incomplete. Type the text you want.</source>
        <translation>%1 lautet noch „Default“: Die Vorlage war unvollständig. Geben Sie den gewünschten Text ein.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not a colour written as # and six hexadecimal digits: buyers&apos; browsers show some other colour.</source>
        <translation>%1 ist „%2“, keine Farbe aus # und sechs Hexadezimalziffern: Die Browser der Käufer zeigen irgendeine andere Farbe.</translation>
    </message>
    <message>
        <source>%1 contains %2. eBay refuses listings with active content (&quot;Disallowed JavaScript/HTML Syntax&quot;).</source>
        <translation>%1 enthält %2. eBay lehnt Angebote mit aktiven Inhalten ab („Disallowed JavaScript/HTML Syntax“).</translation>
    </message>
    <message>
        <source>%1 links to %2. eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation>%1 verlinkt auf %2. eBay erlaubt keine Links, die Käufer von eBay wegführen, und kann das Angebot entfernen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln places off eBay (%2). eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation>
            <numerusform>%1 verlinkt auf %Ln Ziel außerhalb von eBay (%2). eBay erlaubt keine Links, die Käufer von eBay wegführen, und kann das Angebot entfernen.</numerusform>
            <numerusform>%1 verlinkt auf %Ln Ziele außerhalb von eBay (%2). eBay erlaubt keine Links, die Käufer von eBay wegführen, und kann das Angebot entfernen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 loads %2 off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation>%1 lädt %2 von außerhalb von eBay: Was von dort kommt, kann das ganze Angebot umgestalten oder verbergen. Schreiben Sie die Stile in das Angebot selbst.</translation>
    </message>
    <message numerus="yes">
        <source>%1 loads %Ln style sheets and fonts (%2) off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation>
            <numerusform>%1 lädt %Ln Stylesheet oder Schrift (%2) von außerhalb von eBay: Was von dort kommt, kann das ganze Angebot umgestalten oder verbergen. Schreiben Sie die Stile in das Angebot selbst.</numerusform>
            <numerusform>%1 lädt %Ln Stylesheets und Schriften (%2) von außerhalb von eBay: Was von dort kommt, kann das ganze Angebot umgestalten oder verbergen. Schreiben Sie die Stile in das Angebot selbst.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the e-mail address %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>%1 enthält die E-Mail-Adresse %2. eBay erlaubt keine Kontaktdaten in Angeboten und kann das Angebot entfernen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln e-mail addresses (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>
            <numerusform>%1 enthält %Ln E-Mail-Adresse (%2). eBay erlaubt keine Kontaktdaten in Angeboten und kann das Angebot entfernen.</numerusform>
            <numerusform>%1 enthält %Ln E-Mail-Adressen (%2). eBay erlaubt keine Kontaktdaten in Angeboten und kann das Angebot entfernen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the phone number %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>%1 enthält die Telefonnummer %2. eBay erlaubt keine Kontaktdaten in Angeboten und kann das Angebot entfernen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln phone numbers (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>
            <numerusform>%1 enthält %Ln Telefonnummer (%2). eBay erlaubt keine Kontaktdaten in Angeboten und kann das Angebot entfernen.</numerusform>
            <numerusform>%1 enthält %Ln Telefonnummern (%2). eBay erlaubt keine Kontaktdaten in Angeboten und kann das Angebot entfernen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 shows a picture from an http:// address (%2). eBay shows pictures only from https:// addresses.</source>
        <translation>%1 zeigt ein Bild von einer http://-Adresse (%2). eBay zeigt nur Bilder von https://-Adressen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures from http:// addresses (%2). eBay shows pictures only from https:// addresses.</source>
        <translation>
            <numerusform>%1 zeigt %Ln Bild von http://-Adressen (%2). eBay zeigt nur Bilder von https://-Adressen.</numerusform>
            <numerusform>%1 zeigt %Ln Bilder von http://-Adressen (%2). eBay zeigt nur Bilder von https://-Adressen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 links to an http:// address (%2). eBay accepts only https:// links in listings.</source>
        <translation>%1 verlinkt auf eine http://-Adresse (%2). eBay akzeptiert in Angeboten nur https://-Links.</translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln http:// addresses (%2). eBay accepts only https:// links in listings.</source>
        <translation>
            <numerusform>%1 verlinkt auf %Ln http://-Adresse (%2). eBay akzeptiert in Angeboten nur https://-Links.</numerusform>
            <numerusform>%1 verlinkt auf %Ln http://-Adressen (%2). eBay akzeptiert in Angeboten nur https://-Links.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uses %2, a web address without https: in front. On eBay&apos;s pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation>%1 verwendet %2, eine Webadresse ohne https: davor. Auf eBays Seiten funktioniert sie; mit https: davor funktioniert sie überall, wo das Angebot gezeigt wird.</translation>
    </message>
    <message>
        <source>%1 shows a picture that is not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation>%1 zeigt ein Bild, das nicht im Netz liegt (%2): Käufer sehen ein defektes Bild. Legen Sie das Bild bei einem Bilderdienst ab und verwenden Sie seine https://-Adresse.</translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures that are not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation>
            <numerusform>%1 zeigt %Ln Bild, das nicht im Netz liegt (%2): Käufer sehen ein defektes Bild. Legen Sie das Bild bei einem Bilderdienst ab und verwenden Sie seine https://-Adresse.</numerusform>
            <numerusform>%1 zeigt %Ln Bilder, die nicht im Netz liegen (%2): Käufer sehen defekte Bilder. Legen Sie die Bilder bei einem Bilderdienst ab und verwenden Sie ihre https://-Adressen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opens a comment (&lt;!--) and never closes it: buyers see nothing of the listing after it.</source>
        <translation>%1 öffnet einen Kommentar (&lt;!--) und schließt ihn nie: Käufer sehen vom Angebot danach nichts mehr.</translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see the rest of the listing as code.</source>
        <translation>%1 öffnet ein %2-Element und schließt es nie: Käufer sehen den Rest des Angebots als Code.</translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see nothing of the listing after it.</source>
        <translation>%1 öffnet ein %2-Element und schließt es nie: Käufer sehen vom Angebot danach nichts mehr.</translation>
    </message>
    <message>
        <source>%1 ends inside a tag (%2): the listing&apos;s own markup after it is read as part of that tag, and part of the listing breaks.</source>
        <translation>%1 endet innerhalb eines Tags (%2): Das eigene Markup des Angebots danach wird als Teil dieses Tags gelesen, und ein Teil des Angebots geht kaputt.</translation>
    </message>
    <message>
        <source>%1 nests elements more than %2 deep, deeper than browsers show as written. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 verschachtelt Elemente mehr als %2 Ebenen tief, tiefer, als Browser es wie geschrieben zeigen. Die Prüfung hat das Angebot nur bis dahin gelesen: Was danach kommt, ist nicht geprüft.</translation>
    </message>
    <message>
        <source>%1 has a tag with more than %2 attributes. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 hat ein Tag mit mehr als %2 Attributen. Die Prüfung hat das Angebot nur bis dahin gelesen: Was danach kommt, ist nicht geprüft.</translation>
    </message>
    <message>
        <source>%1 goes past %2 elements and texts in all, more than a listing needs. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 überschreitet insgesamt %2 Elemente und Texte, mehr als ein Angebot braucht. Die Prüfung hat das Angebot nur bis dahin gelesen: Was danach kommt, ist nicht geprüft.</translation>
    </message>
    <message>
        <source>Text colour %1 on background %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation>Die Textfarbe %1 auf Hintergrund %2 hat einen Kontrast von %3. Käufer brauchen mindestens %4, um sie zu lesen, vor allem auf einem Handy bei Tageslicht.</translation>
    </message>
    <message>
        <source>Text colour %1 on the Background colour %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation>Die Textfarbe %1 auf der Hintergrundfarbe %2 hat einen Kontrast von %3. Käufer brauchen mindestens %4, um sie zu lesen, vor allem auf einem Handy bei Tageslicht.</translation>
    </message>
    <message>
        <source>No colour of the palette reads well on both the Background colour and the background picture: change one of them.</source>
        <translation>Keine Farbe der Palette ist sowohl auf der Hintergrundfarbe als auch auf dem Hintergrundbild gut lesbar: Ändern Sie eines von beiden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2?)</source>
        <translation>„%1“ (%2?)</translation>
    </message>
    <message>
        <source>%1 has a word the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation>%1 enthält ein Wort, das das Wörterbuch nicht kennt: %2. Ein Tippfehler mindert das Vertrauen der Käufer in ein Angebot, und eine falsch geschriebene Marke wird bei der Suche nicht gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %Ln words the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation>
            <numerusform>%1 enthält %Ln Wort, das das Wörterbuch nicht kennt: %2. Ein Tippfehler mindert das Vertrauen der Käufer in ein Angebot, und eine falsch geschriebene Marke wird bei der Suche nicht gefunden.</numerusform>
            <numerusform>%1 enthält %Ln Wörter, die das Wörterbuch nicht kennt: %2. Ein Tippfehler mindert das Vertrauen der Käufer in ein Angebot, und eine falsch geschriebene Marke wird bei der Suche nicht gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The phone summary has %1 characters; eBay shows %2 and drops the rest.</source>
        <translation>Die Zusammenfassung für Mobilgeräte hat %1 Zeichen; eBay zeigt %2 und lässt den Rest weg.</translation>
    </message>
    <message>
        <source> and more</source>
        <translation> und weitere</translation>
    </message>
    <message>
        <source>The phone summary holds markup eBay does not take there (%1); only lists (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), line breaks and &amp;nbsp; show on a phone.</source>
        <translation>Die Zusammenfassung für Mobilgeräte enthält Markup, das eBay dort nicht annimmt (%1); auf dem Handy erscheinen nur Listen (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), Zeilenumbrüche und &amp;nbsp;.</translation>
    </message>
    <message>
        <source>Buyers will not see the background until the picture is online where their browsers can load it. Click &quot;%1&quot;, upload the picture to a picture host, then pick &quot;%2&quot; in the background list and give its https address.</source>
        <translation>Käufer sehen den Hintergrund erst, wenn das Bild im Netz liegt, wo ihre Browser es laden können. Klicken Sie auf „%1“, laden Sie das Bild bei einem Bilderdienst hoch, wählen Sie dann „%2“ in der Hintergrundliste und geben Sie seine https-Adresse an.</translation>
    </message>
    <message>
        <source>Buyers will not see background %1 until the picture is online where their browsers can load it. Click &quot;%2&quot;, upload the picture to a picture host, then pick &quot;%3&quot; in the background list and give its https address.</source>
        <translation>Käufer sehen Hintergrund %1 erst, wenn das Bild im Netz liegt, wo ihre Browser es laden können. Klicken Sie auf „%2“, laden Sie das Bild bei einem Bilderdienst hoch, wählen Sie dann „%3“ in der Hintergrundliste und geben Sie seine https-Adresse an.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Die Artikelbezeichnung</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Das Hintergrundbild</translation>
    </message>
    <message>
        <source>Borders colour</source>
        <translation>Die Rahmenfarbe</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Die Textfarbe</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Die Hintergrundfarbe</translation>
    </message>
    <message>
        <source>The credit footer</source>
        <translation>Der Hinweis in der Fußzeile</translation>
    </message>
    <message>
        <source>Phone Summary</source>
        <translation>Die Zusammenfassung für Mobilgeräte</translation>
    </message>
    <message>
        <source>The listing</source>
        <translation>Das Angebot</translation>
    </message>
    <message>
        <source>The description is %1 characters long, tags included. eBay refuses descriptions over %2 characters.</source>
        <translation>Die Artikelbeschreibung ist %1 Zeichen lang, Tags eingeschlossen. eBay lehnt Artikelbeschreibungen über %2 Zeichen ab.</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 verwenden</translation>
    </message>
    <message>
        <source>Use https://</source>
        <translation>https:// verwenden</translation>
    </message>
    <message>
        <source>Put https: in front</source>
        <translation>https: davorsetzen</translation>
    </message>
    <message>
        <source>Take the phone number out</source>
        <translation>Telefonnummer entfernen</translation>
    </message>
    <message numerus="yes">
        <source>Take the phone numbers out</source>
        <translation>
            <numerusform>Telefonnummer entfernen</numerusform>
            <numerusform>Telefonnummern entfernen</numerusform>
        </translation>
    </message>
    <message>
        <source>Close it with %1</source>
        <translation>Mit %1 schließen</translation>
    </message>
    <message>
        <source>Keep the credit without the link off eBay</source>
        <translation>Hinweis ohne den Link weg von eBay behalten</translation>
    </message>
    <message>
        <source>more</source>
        <translation>weitere</translation>
    </message>
    <message>
        <source>Correct to %1</source>
        <translation>Korrigieren: %1</translation>
    </message>
    <message>
        <source>%1 : 1</source>
        <translation>%1 : 1</translation>
    </message>
</context>
<context>
    <name>vellumo::FullScreenView</name>
    <message>
        <source>Phone (375 px)</source>
        <translation>Smartphone (375 px)</translation>
    </message>
    <message>
        <source>eBay description (700 px)</source>
        <translation>eBay-Artikelbeschreibung (700 px)</translation>
    </message>
    <message>
        <source>Full width</source>
        <translation>Volle Breite</translation>
    </message>
    <message>
        <source>Show the listing at:</source>
        <translation>Breite des Angebots:</translation>
    </message>
    <message>
        <source>Esc closes this view</source>
        <translation>Esc schließt diese Ansicht</translation>
    </message>
</context>
<context>
    <name>vellumo::HelpPage</name>
    <message>
        <source>Brenvik 2000 Web Site</source>
        <translation>Website von Brenvik 2000</translation>
    </message>
    <message>
        <source>eBay Web Site</source>
        <translation>eBay-Website</translation>
    </message>
    <message>
        <source>&amp;Join the Brenvik mailing list</source>
        <translation>Brenvik-&amp;Mailingliste</translation>
    </message>
    <message>
        <source>Join our mailing list</source>
        <translation>Unsere Mailingliste abonnieren</translation>
    </message>
    <message>
        <source>Visit Brenvik 2000</source>
        <translation>Brenvik 2000 besuchen</translation>
    </message>
    <message>
        <source>Show the notice after saving</source>
        <translation>Hinweis nach dem Speichern anzeigen</translation>
    </message>
    <message>
        <source>Vellumo Help</source>
        <translation>Vellumo-Hilfe</translation>
    </message>
    <message>
        <source>Free Image Hosting Sites</source>
        <translation>Kostenlose Bilderdienste</translation>
    </message>
    <message>
        <source>You can find many more using Google</source>
        <translation>Viele weitere finden Sie mit Google</translation>
    </message>
    <message>
        <source>&amp;Picture hosting…</source>
        <translation>Bilder-&amp;Hosting…</translation>
    </message>
    <message>
        <source>Upload your photos to your own web space (WebDAV, SFTP or FTP with TLS)</source>
        <translation>Laden Sie Ihre Fotos auf Ihren eigenen Webspace hoch (WebDAV, SFTP oder FTP mit TLS)</translation>
    </message>
</context>
<context>
    <name>vellumo::HelpWindow</name>
    <message>
        <source>Vellumo Help</source>
        <translation>Vellumo-Hilfe</translation>
    </message>
</context>
<context>
    <name>vellumo::ListingCheckDialog</name>
    <message>
        <source>eBay blocks this</source>
        <translation>eBay lehnt das ab</translation>
    </message>
    <message>
        <source>Buyers will not see this</source>
        <translation>Käufer sehen das nicht</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Rat</translation>
    </message>
    <message>
        <source>Before this listing is saved and copied for eBay, look at what Vellumo found in it:</source>
        <translation>Bevor dieses Angebot gespeichert und für eBay kopiert wird, sehen Sie sich an, was Vellumo darin gefunden hat:</translation>
    </message>
    <message>
        <source>Copy anyway</source>
        <translation>Trotzdem kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vellumo::MainWindow</name>
    <message>
        <source>Incorrect Format:

%1</source>
        <translation>Ungültiges Format:

%1</translation>
    </message>
    <message>
        <source>Save changes to the design before closing?</source>
        <translation>Änderungen an der Gestaltung vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Please select a Template Style, fill in the title and all other fields before previewing.  Alternatively you may load an existing template from the My Templates tab.    </source>
        <translation>Bitte wählen Sie einen Vorlagenstil und füllen Sie die Artikelbezeichnung und alle anderen Felder aus, bevor Sie die Vorschau öffnen.  Sie können auch eine vorhandene Vorlage auf dem Reiter „Meine Vorlagen“ laden.    </translation>
    </message>
    <message>
        <source>The https address of your background picture, once it is on a picture host:</source>
        <translation>Die https-Adresse Ihres Hintergrundbildes, sobald es bei einem Bilderdienst liegt:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the background: it must be a whole https:// address (buyers&apos; browsers show no picture from other addresses), without blanks or quotes. The background stays as it was.</source>
        <translation>„%1“ kann nicht der Hintergrund sein: Es muss eine vollständige https://-Adresse sein (die Browser der Käufer zeigen von anderen Adressen kein Bild), ohne Leerzeichen oder Anführungszeichen. Der Hintergrund bleibt, wie er war.</translation>
    </message>
    <message>
        <source>Your choice could not be saved in %1: %2.</source>
        <translation>Ihre Wahl konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>vellumo::Palette</name>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Weinrot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
</context>
<context>
    <name>vellumo::PickerLists</name>
    <message>
        <source>Select Template</source>
        <translation>Vorlage wählen</translation>
    </message>
    <message>
        <source>2 Alternating Photos</source>
        <translation>2 Fotos abwechselnd</translation>
    </message>
    <message>
        <source>2 Inline Photos</source>
        <translation>2 Fotos alle links</translation>
    </message>
    <message>
        <source>3 Alternating Photos</source>
        <translation>3 Fotos abwechselnd</translation>
    </message>
    <message>
        <source>3 Inline Photos</source>
        <translation>3 Fotos alle links</translation>
    </message>
    <message>
        <source>4 Alternating Photos</source>
        <translation>4 Fotos abwechselnd</translation>
    </message>
    <message>
        <source>4 Inline Photos</source>
        <translation>4 Fotos alle links</translation>
    </message>
    <message>
        <source>5 Alternating Photos</source>
        <translation>5 Fotos abwechselnd</translation>
    </message>
    <message>
        <source>5 Inline Photos</source>
        <translation>5 Fotos alle links</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Kein Hintergrund</translation>
    </message>
    <message>
        <source>Your own picture…</source>
        <translation>Eigenes Bild…</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureBoxUpload</name>
    <message>
        <source>Upload photo…</source>
        <translation>Foto hochladen…</translation>
    </message>
    <message>
        <source>Choose a photo on this computer: Vellumo uploads it to your picture hosting and puts its address here. You can also drop photos on the box.</source>
        <translation>Wählen Sie ein Foto auf diesem Computer: Vellumo lädt es zu Ihrem Bilder-Hosting hoch und setzt seine Adresse hier ein. Sie können Fotos auch auf das Feld ziehen.</translation>
    </message>
    <message>
        <source>Uploading the photo… %p%</source>
        <translation>Foto wird hochgeladen… %p %</translation>
    </message>
    <message>
        <source>Cancel upload</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHosting</name>
    <message>
        <source>Photos to upload</source>
        <translation>Fotos zum Hochladen</translation>
    </message>
    <message>
        <source>%1 photos were given, but the layout has only %2 empty picture boxes left: the other %3 were not uploaded.</source>
        <translation>%1 Fotos wurden übergeben, aber das Layout hat nur noch %2 leere Bildfelder: Die übrigen %3 wurden nicht hochgeladen.</translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; on %2 (Vellumo keeps it in the desktop&apos;s keyring, or in memory until it closes where there is no keyring):</source>
        <translation>Das Passwort von „%1“ auf %2 (Vellumo bewahrt es im Schlüsselbund des Desktops auf oder, wo es keinen gibt, im Speicher, bis es geschlossen wird):</translation>
    </message>
    <message>
        <source>The picture hosting settings could not be saved in %1: %2.</source>
        <translation>Die Einstellungen des Bilder-Hostings konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHostingDialog</name>
    <message>
        <source>Compare it with the fingerprint your hosting provider publishes for its SFTP server. Trust this server and remember its key?</source>
        <translation>Vergleichen Sie ihn mit dem Fingerabdruck, den Ihr Hosting-Anbieter für seinen SFTP-Server veröffentlicht. Diesem Server vertrauen und seinen Schlüssel merken?</translation>
    </message>
    <message>
        <source>Picture Hosting</source>
        <translation>Bilder-Hosting</translation>
    </message>
    <message>
        <source>Vellumo uploads your photos to your own web space and puts their https addresses into the picture boxes. Most hosting packages offer WebDAV, SFTP or FTP with TLS: your provider&apos;s help pages name the server, and the web address of each folder.</source>
        <translation>Vellumo lädt Ihre Fotos auf Ihren eigenen Webspace hoch und setzt ihre https-Adressen in die Bildfelder ein. Die meisten Hosting-Pakete bieten WebDAV, SFTP oder FTP mit TLS: Die Hilfeseiten Ihres Anbieters nennen den Server und die Webadresse jedes Ordners.</translation>
    </message>
    <message>
        <source>Upload with:</source>
        <translation>Hochladen mit:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>kept in your desktop&apos;s keyring</source>
        <translation>im Schlüsselbund Ihres Desktops aufbewahrt</translation>
    </message>
    <message>
        <source>Folder on the server:</source>
        <translation>Ordner auf dem Server:</translation>
    </message>
    <message>
        <source>Its public address:</source>
        <translation>Öffentliche Adresse:</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Uploads a small file, loads it from the public address and removes it</source>
        <translation>Lädt eine kleine Datei hoch, lädt sie von der öffentlichen Adresse und entfernt sie wieder</translation>
    </message>
    <message>
        <source>Testing…</source>
        <translation>Wird getestet…</translation>
    </message>
    <message>
        <source>The test worked: a small file went to the server, came back unchanged from %1 and was removed again.</source>
        <translation>Der Test hat funktioniert: Eine kleine Datei ging zum Server, kam unverändert von %1 zurück und wurde wieder entfernt.</translation>
    </message>
</context>
<context>
    <name>vellumo::PreviewPage</name>
    <message>
        <source>This preview is for checking colors only and the listing may appear distorted.  To see how the listing will actually look click the Full Screen button.  To save the finished Template and code click the Save button.</source>
        <translation>Diese Vorschau dient nur zum Prüfen der Farben, und das Angebot kann verzerrt erscheinen.  Wie es wirklich aussieht, zeigt „Vollbild“.  Die fertige Vorlage und den Code speichert „Speichern“.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the template and copy the code to the clipboard</source>
        <translation>Vorlage speichern und den Code in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Preview your listing full screen</source>
        <translation>Angebot im Vollbild ansehen</translation>
    </message>
    <message>
        <source>Phone-friendly layout</source>
        <translation>Für Mobilgeräte optimiertes Layout</translation>
    </message>
    <message>
        <source>Pictures scale down and long words wrap, so the listing fits a phone&apos;s screen; on a wide screen it looks the same</source>
        <translation>Bilder werden kleiner und lange Wörter umbrochen, so dass das Angebot auf einen Handybildschirm passt; auf einem breiten Bildschirm sieht es gleich aus</translation>
    </message>
</context>
<context>
    <name>vellumo::RunningInstance</name>
    <message>
        <source>Vellumo is already running on your designs (in %1), but it does not answer.

If its window is hidden or no longer responds, close it, or end Vellumo in your system monitor, then start Vellumo again.</source>
        <translation>Vellumo läuft bereits mit Ihren Gestaltungen (in %1), antwortet aber nicht.

Wenn sein Fenster verborgen ist oder nicht mehr reagiert, schließen Sie es oder beenden Sie Vellumo in Ihrer Systemüberwachung und starten Sie Vellumo dann erneut.</translation>
    </message>
</context>
<context>
    <name>vellumo::SavedNotice</name>
    <message>
        <source>Template Saved</source>
        <translation>Vorlage gespeichert</translation>
    </message>
    <message>
        <source>Your Template and Html code file have been saved and are available in the My Templates tab.</source>
        <translation>Ihre Vorlage und die HTML-Code-Datei sind gespeichert und stehen unter „Meine Vorlagen“ bereit.</translation>
    </message>
    <message>
        <source>The HTML code has been copied to the clipboard and saved in My Templates. In eBay&apos;s listing form, switch the description editor to HTML and paste it there.</source>
        <translation>Der HTML-Code ist in der Zwischenablage und unter „Meine Vorlagen“. Schalten Sie im Angebotsformular von eBay die Artikelbeschreibung auf HTML um und fügen Sie ihn ein.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>vellumo::Spelling</name>
    <message>
        <source>Spelling is off: the %1 dictionary could not be opened (%2/%3.dic: %4). Install the Debian package %5 to check spelling in %1.</source>
        <translation>Die Rechtschreibprüfung ist aus: Das Wörterbuch für %1 konnte nicht geöffnet werden (%2/%3.dic: %4). Installieren Sie das Debian-Paket %5, um die Rechtschreibung in %1 zu prüfen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added to your words in %2: %3.</source>
        <translation>„%1“ konnte nicht zu Ihren Wörtern in %2 hinzugefügt werden: %3.</translation>
    </message>
</context>
<context>
    <name>vellumo::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>vellumo::SummaryDialog</name>
    <message>
        <source>Phone Summary</source>
        <translation>Zusammenfassung für Mobilgeräte</translation>
    </message>
    <message>
        <source>eBay&apos;s apps and phone pages show this summary first, before the buyer opens the full description. Keep it to the points a buyer decides on. Plain text and line breaks; lists (&amp;lt;ul&amp;gt;, &amp;lt;ol&amp;gt;, &amp;lt;li&amp;gt;), &amp;lt;br&amp;gt; and &amp;amp;nbsp; are the only markup eBay takes. Leave it empty for none.</source>
        <translation>eBays Apps und Mobilseiten zeigen diese Zusammenfassung zuerst, bevor der Käufer die ganze Artikelbeschreibung öffnet. Beschränken Sie sie auf das, wonach Käufer entscheiden. Einfacher Text und Zeilenumbrüche; Listen (&amp;lt;ul&amp;gt;, &amp;lt;ol&amp;gt;, &amp;lt;li&amp;gt;), &amp;lt;br&amp;gt; und &amp;amp;nbsp; sind das einzige Markup, das eBay annimmt. Lassen Sie sie leer, wenn Sie keine möchten.</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 von %2 Zeichen</translation>
    </message>
</context>
<context>
    <name>vellumo::TemplatesPage</name>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>at %1 it is too large to be a template (a template file holds at most %2)</source>
        <translation>mit %1 ist sie zu groß für eine Vorlage (eine Vorlagendatei hat höchstens %2)</translation>
    </message>
    <message>
        <source>Saved Templates</source>
        <translation>Gespeicherte Vorlagen</translation>
    </message>
    <message>
        <source>Saved Html Codes for Listings</source>
        <translation>Gespeicherte HTML-Codes der Angebote</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected template and file</source>
        <translation>Ausgewählte Vorlage und Datei löschen</translation>
    </message>
    <message>
        <source>Load selected template</source>
        <translation>Ausgewählte Vorlage laden</translation>
    </message>
    <message>
        <source>Open selected file</source>
        <translation>Ausgewählte Datei öffnen</translation>
    </message>
    <message>
        <source>Name of Template to Save</source>
        <translation>Name der zu speichernden Vorlage</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save template and file as</source>
        <translation>Vorlage und Datei speichern unter</translation>
    </message>
    <message>
        <source>Please select a template to load     </source>
        <translation>Bitte wählen Sie eine Vorlage zum Laden aus     </translation>
    </message>
    <message>
        <source>%1 is not a template Vellumo can load: the name of a template ends in 2, 3, 4 or 5, the number of its photos.</source>
        <translation>%1 ist keine Vorlage, die Vellumo laden kann: Der Name einer Vorlage endet auf 2, 3, 4 oder 5, die Anzahl ihrer Fotos.</translation>
    </message>
    <message>
        <source>The template %1 is no longer in My Templates; nothing was loaded. The lists now show what the folder holds.</source>
        <translation>Die Vorlage %1 ist nicht mehr unter „Meine Vorlagen“; nichts wurde geladen. Die Listen zeigen jetzt, was der Ordner enthält.</translation>
    </message>
    <message>
        <source>The template %1 could not be read: %2. Nothing was loaded.</source>
        <translation>Die Vorlage %1 konnte nicht gelesen werden: %2. Nichts wurde geladen.</translation>
    </message>
    <message>
        <source>%1 is not a Vellumo template: no [%2] section. Nothing was loaded.</source>
        <translation>%1 ist keine Vellumo-Vorlage: kein Abschnitt [%2]. Nichts wurde geladen.</translation>
    </message>
    <message>
        <source>The template %1 holds colour values that are not colours (%2). Vellumo uses the default colours instead.</source>
        <translation>Die Vorlage %1 enthält Farbwerte, die keine Farben sind (%2). Vellumo verwendet stattdessen die Standardfarben.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>A design named %1 is saved already. Replace it?</source>
        <translation>Eine Gestaltung namens %1 ist bereits gespeichert. Ersetzen?</translation>
    </message>
    <message>
        <source>Please select a Template Style and fill in its fields before saving.</source>
        <translation>Bitte wählen Sie einen Vorlagenstil und füllen Sie seine Felder aus, bevor Sie speichern.</translation>
    </message>
    <message>
        <source>Please type a name for the template in &quot;%1&quot;.</source>
        <translation>Bitte geben Sie in „%1“ einen Namen für die Vorlage ein.</translation>
    </message>
    <message>
        <source>The name %1 is too long for a file name: a template name may have at most %2 bytes (an accented letter takes two), and this one has %3. Please shorten it.</source>
        <translation>Der Name %1 ist zu lang für einen Dateinamen: Ein Vorlagenname darf höchstens %2 Bytes haben (ein Buchstabe mit Akzent oder Umlaut braucht zwei), und dieser hat %3. Bitte kürzen Sie ihn.</translation>
    </message>
    <message>
        <source>The template %1 could not be saved in %2: %3. Nothing was copied to the clipboard.</source>
        <translation>Die Vorlage %1 konnte nicht in %2 gespeichert werden: %3. Nichts wurde in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Please select a template or code file to delete.</source>
        <translation>Bitte wählen Sie eine Vorlage oder Code-Datei zum Löschen aus.</translation>
    </message>
    <message>
        <source>Delete the design %1, its template and its Html code file?</source>
        <translation>Die Gestaltung %1 mit ihrer Vorlage und ihrer HTML-Code-Datei löschen?</translation>
    </message>
    <message>
        <source>Delete the template %1?</source>
        <translation>Die Vorlage %1 löschen?</translation>
    </message>
    <message>
        <source>Delete the Html code file %1?</source>
        <translation>Die HTML-Code-Datei %1 löschen?</translation>
    </message>
    <message>
        <source>Not everything could be deleted from %1: %2. The lists show what is left.</source>
        <translation>Nicht alles konnte aus %1 gelöscht werden: %2. Die Listen zeigen, was übrig ist.</translation>
    </message>
    <message>
        <source>Please select an Html code file to open.</source>
        <translation>Bitte wählen Sie eine HTML-Code-Datei zum Öffnen aus.</translation>
    </message>
    <message>
        <source>The Html code file %1 is no longer in My Templates. The lists now show what the folder holds.</source>
        <translation>Die HTML-Code-Datei %1 ist nicht mehr unter „Meine Vorlagen“. Die Listen zeigen jetzt, was der Ordner enthält.</translation>
    </message>
    <message>
        <source>no program for text files is set up on this computer</source>
        <translation>auf diesem Computer ist kein Programm für Textdateien eingerichtet</translation>
    </message>
    <message>
        <source>The Html code file %1 could not be opened: %2. You will find it at
%3</source>
        <translation>Die HTML-Code-Datei %1 konnte nicht geöffnet werden: %2. Sie finden sie unter
%3</translation>
    </message>
</context>
<context>
    <name>vellumo::UploadTexts</name>
    <message>
        <source>Plain FTP is not offered: it sends your password and your photos unencrypted. Choose &quot;%1&quot; or SFTP; most hosting packages offer both.</source>
        <translation>Einfaches FTP wird nicht angeboten: Es sendet Ihr Passwort und Ihre Fotos unverschlüsselt. Wählen Sie „%1“ oder SFTP; die meisten Hosting-Pakete bieten beides.</translation>
    </message>
    <message>
        <source>WebDAV over http is not offered: it sends your password and your photos unencrypted. Use the server&apos;s https address.</source>
        <translation>WebDAV über http wird nicht angeboten: Es sendet Ihr Passwort und Ihre Fotos unverschlüsselt. Verwenden Sie die https-Adresse des Servers.</translation>
    </message>
    <message>
        <source>Please give the server&apos;s name, such as dav.example.com.</source>
        <translation>Bitte geben Sie den Namen des Servers an, etwa dav.example.com.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name: give only the name, such as dav.example.com, and the port in its own box.</source>
        <translation>„%1“ ist kein Servername: Geben Sie nur den Namen an, etwa dav.example.com, und den Port in seinem eigenen Feld.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535, or empty for the usual one.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein oder leer bleiben für den üblichen.</translation>
    </message>
    <message>
        <source>Please give the user name of your hosting account.</source>
        <translation>Bitte geben Sie den Benutzernamen Ihres Hosting-Kontos an.</translation>
    </message>
    <message>
        <source>The public address must begin with https://: eBay shows no pictures from http:// addresses.</source>
        <translation>Die öffentliche Adresse muss mit https:// beginnen: eBay zeigt keine Bilder von http://-Adressen.</translation>
    </message>
    <message>
        <source>Please give the public address where buyers&apos; browsers find the folder&apos;s pictures, such as https://www.example.com/photos/.</source>
        <translation>Bitte geben Sie die öffentliche Adresse an, unter der die Browser der Käufer die Bilder des Ordners finden, etwa https://www.example.com/photos/.</translation>
    </message>
    <message>
        <source>The upload could not start: libcurl did not initialise.</source>
        <translation>Das Hochladen konnte nicht beginnen: libcurl wurde nicht initialisiert.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name &quot;%2&quot; or its password. Check them under Picture hosting.</source>
        <translation>Der Server %1 hat den Benutzernamen „%2“ oder sein Passwort abgelehnt. Prüfen Sie beides unter „Bilder-Hosting“.</translation>
    </message>
    <message>
        <source>The SFTP server %1 is not known yet. It identifies itself with the key %2.</source>
        <translation>Der SFTP-Server %1 ist noch nicht bekannt. Er weist sich mit dem Schlüssel %2 aus.</translation>
    </message>
    <message>
        <source>The SFTP server %1 no longer shows the key you trusted before; it now shows %2. A reinstalled server does this, and so does someone listening in between. The upload was refused. Once your hosting provider confirms the new key, remove the line of this server from %3 and try again.</source>
        <translation>Der SFTP-Server %1 zeigt nicht mehr den Schlüssel, dem Sie zuvor vertraut haben; er zeigt jetzt %2. Das tut ein neu installierter Server, aber auch jemand, der dazwischen mithört. Das Hochladen wurde verweigert. Sobald Ihr Hosting-Anbieter den neuen Schlüssel bestätigt, entfernen Sie die Zeile dieses Servers aus %3 und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The key of %1 could not be kept in %2: %3.</source>
        <translation>Der Schlüssel von %1 konnte nicht in %2 gespeichert werden: %3.</translation>
    </message>
    <message>
        <source>The connection to %1 is not trusted: %2. Nothing was sent. Ask your hosting provider for a certificate this computer trusts.</source>
        <translation>Der Verbindung zu %1 wird nicht vertraut: %2. Nichts wurde gesendet. Bitten Sie Ihren Hosting-Anbieter um ein Zertifikat, dem dieser Computer vertraut.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2.</source>
        <translation>Der Server %1 war nicht erreichbar: %2.</translation>
    </message>
    <message>
        <source>The server %1 stopped answering: %2.</source>
        <translation>Der Server %1 antwortet nicht mehr: %2.</translation>
    </message>
    <message>
        <source>The server %1 has no room for the photo (%2). Free some space in your web space and try again.</source>
        <translation>Der Server %1 hat keinen Platz für das Foto (%2). Schaffen Sie Platz in Ihrem Webspace und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 answers 404 Not Found: the public address does not lead to the folder &quot;%2&quot;. Check both under Picture hosting.</source>
        <translation>Das Foto ist auf dem Server, aber %1 antwortet mit 404 Not Found: Die öffentliche Adresse führt nicht zum Ordner „%2“. Prüfen Sie beides unter „Bilder-Hosting“.</translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 gives back something else than was sent: the public address does not lead to the folder &quot;%2&quot;. Check both under Picture hosting.</source>
        <translation>Das Foto ist auf dem Server, aber %1 gibt etwas anderes zurück, als gesendet wurde: Die öffentliche Adresse führt nicht zum Ordner „%2“. Prüfen Sie beides unter „Bilder-Hosting“.</translation>
    </message>
    <message>
        <source>The upload was cancelled; nothing was changed.</source>
        <translation>Das Hochladen wurde abgebrochen; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2 (answer %3).</source>
        <translation>Der Server %1 hat das Hochladen abgelehnt: %2 (Antwort %3).</translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2.</source>
        <translation>Der Server %1 hat das Hochladen abgelehnt: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a photo Vellumo can read: it takes JPEG, PNG and WebP pictures.</source>
        <translation>„%1“ ist kein Foto, das Vellumo lesen kann: Es nimmt JPEG-, PNG- und WebP-Bilder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: its picture data is incomplete.</source>
        <translation>„%1“ ist beschädigt: Seine Bilddaten sind unvollständig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 megapixels; Vellumo takes photos of up to %3 megapixels.</source>
        <translation>„%1“ hat %2 Megapixel; Vellumo nimmt Fotos bis %3 Megapixel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels; eBay asks for at least %4 pixels on the longest side. Please use a larger photo.</source>
        <translation>„%1“ hat %2 x %3 Pixel; eBay verlangt mindestens %4 Pixel an der längsten Seite. Bitte verwenden Sie ein größeres Foto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: %2.</source>
        <translation>„%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be converted: %2.</source>
        <translation>„%1“ konnte nicht umgewandelt werden: %2.</translation>
    </message>
    <message>
        <source>WebDAV over https</source>
        <translation>WebDAV über https</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>FTP with TLS (FTPS)</source>
        <translation>FTP mit TLS (FTPS)</translation>
    </message>
    <message>
        <source>The photo is on the server, but its public address %1 could not be loaded. %2</source>
        <translation>Das Foto ist auf dem Server, aber seine öffentliche Adresse %1 ließ sich nicht laden. %2</translation>
    </message>
</context>
<context>
    <name>vellumo::WindowFrame</name>
    <message>
        <source>Design</source>
        <translation>Gestaltung</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>My Templates</source>
        <translation>Meine Vorlagen</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Hilfe/Info</translation>
    </message>
</context>
</TS>
