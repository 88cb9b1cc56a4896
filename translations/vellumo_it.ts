<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it">
<context>
    <name>vellumo::ColourStrip</name>
    <message>
        <source>Select Colors</source>
        <translation>Scegli i colori</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Nessuno sfondo</translation>
    </message>
    <message>
        <source>Export backgrounds…</source>
        <translation>Esporta sfondi…</translation>
    </message>
    <message>
        <source>Save the full-size background pictures in a folder, ready to upload to a picture host</source>
        <translation>Salva le immagini di sfondo a grandezza piena in una cartella, pronte da caricare su un servizio di hosting di immagini</translation>
    </message>
    <message>
        <source>The chosen background</source>
        <translation>Lo sfondo scelto</translation>
    </message>
    <message>
        <source>All %1 backgrounds</source>
        <translation>Tutti i %1 sfondi</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Sfondo %1</translation>
    </message>
    <message>
        <source>Export backgrounds to</source>
        <translation>Esporta gli sfondi in</translation>
    </message>
    <message>
        <source>1 of the pictures is in %1 already. Replace them?</source>
        <translation>Una delle immagini si trova già in %1. Sostituirla?</translation>
    </message>
    <message numerus="yes">
        <source>%n of the pictures are in %1 already. Replace them?</source>
        <translation>
            <numerusform>%n delle immagini si trova già in %1. Sostituirla?</numerusform>
            <numerusform>%n delle immagini si trovano già in %1. Sostituirle?</numerusform>
        </translation>
    </message>
    <message>
        <source>The backgrounds could not be saved in %1: %2.</source>
        <translation>Gli sfondi non si sono potuti salvare in %1: %2.</translation>
    </message>
    <message>
        <source>Background %1 is saved in %2 as %3.</source>
        <translation>Lo sfondo %1 è salvato in %2 come %3.</translation>
    </message>
    <message>
        <source>The %1 backgrounds are saved in %2, as %3 to %4.</source>
        <translation>I %1 sfondi sono salvati in %2, da %3 a %4.</translation>
    </message>
    <message>
        <source>Upload the picture you want to a picture host, then pick "%1" in the background list and give its https address: buyers see the background from there.</source>
        <translation>Caricate l'immagine che volete su un servizio di hosting di immagini, poi scegliete «%1» nell'elenco degli sfondi e indicatene l'indirizzo https: gli acquirenti vedono lo sfondo da lì.</translation>
    </message>
</context>
<context>
    <name>vellumo::DesignPage</name>
    <message>
        <source>Product Title</source>
        <translation>Titolo dell'oggetto</translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation>Primo paragrafo</translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation>Secondo paragrafo</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>Prima immagine</translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation>Seconda immagine</translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation>Terzo paragrafo</translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation>Terza immagine</translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation>Quarto paragrafo</translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation>Quinto paragrafo</translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation>Quinta immagine</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>eBay's phone summary: up to %1 characters that buyers on a phone see first</source>
        <translation>Il riepilogo per dispositivi mobili di eBay: fino a %1 caratteri che gli acquirenti vedono per primi sul telefono</translation>
    </message>
    <message>
        <source>Spelling:</source>
        <translation>Ortografia:</translation>
    </message>
    <message>
        <source>The language of your listing: the title, paragraphs and summary are spell-checked in it, and the check before Save looks for phone numbers as its eBay site's country writes them</source>
        <translation>La lingua della vostra inserzione: titolo, paragrafi e riepilogo vengono controllati in questa lingua, e il controllo prima del salvataggio cerca i numeri di telefono come li scrive il paese del suo sito eBay</translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation>Quarta immagine</translation>
    </message>
</context>
<context>
    <name>vellumo::DesktopServices</name>
    <message>
        <source>Photos (%1)</source>
        <translation>Foto (%1)</translation>
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
        <translation> e </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>La prima immagine</translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation>Il primo paragrafo</translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation>La seconda immagine</translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation>Il secondo paragrafo</translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation>La terza immagine</translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation>Il terzo paragrafo</translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation>La quarta immagine</translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation>Il quarto paragrafo</translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation>La quinta immagine</translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation>Il quinto paragrafo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln more</source>
        <translation>
            <numerusform>%Ln altro</numerusform>
            <numerusform>altri %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 element</source>
        <translation>un elemento %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 elements</source>
        <translation>
            <numerusform>%Ln elemento %1</numerusform>
            <numerusform>%Ln elementi %1</numerusform>
        </translation>
    </message>
    <message>
        <source>an %1 attribute</source>
        <translation>un attributo %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 attributes</source>
        <translation>
            <numerusform>%Ln attributo %1</numerusform>
            <numerusform>%Ln attributi %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 address</source>
        <translation>un indirizzo %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 addresses</source>
        <translation>
            <numerusform>%Ln indirizzo %1</numerusform>
            <numerusform>%Ln indirizzi %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other kinds</source>
        <translation>
            <numerusform>%n altro tipo</numerusform>
            <numerusform>altri %n tipi</numerusform>
        </translation>
    </message>
    <message>
        <source>a font from %1</source>
        <translation>un font da %1</translation>
    </message>
    <message>
        <source>a style sheet from %1</source>
        <translation>un foglio di stile da %1</translation>
    </message>
    <message>
        <source>%1 has no address: buyers will see a broken picture.</source>
        <translation>%1 non ha un indirizzo: gli acquirenti vedranno un'immagine rotta.</translation>
    </message>
    <message>
        <source>%1 still reads "Default" (its template was incomplete): buyers will see a broken picture.</source>
        <translation>%1 riporta ancora «Default» (il modello era incompleto): gli acquirenti vedranno un'immagine rotta.</translation>
    </message>
    <message>
        <source>%1 is a file on this computer (%2). Buyers cannot see it: put the picture on a picture host and use its https:// address.</source>
        <translation>%1 è un file su questo computer (%2). Gli acquirenti non possono vederlo: mettete l'immagine su un servizio di hosting di immagini e usatene l'indirizzo https://.</translation>
    </message>
    <message>
        <source>%1 uses an http:// address. eBay shows pictures only from https:// addresses.</source>
        <translation>%1 usa un indirizzo http://. eBay mostra solo immagini da indirizzi https://.</translation>
    </message>
    <message>
        <source>%1 (%2) is a web address without https: in front. On eBay's pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation>%1 (%2) è un indirizzo web senza https: davanti. Sulle pagine di eBay funziona; con https: davanti funziona ovunque venga mostrata l'inserzione.</translation>
    </message>
    <message>
        <source>%1 is not a web address (%2): buyers will see a broken picture.</source>
        <translation>%1 non è un indirizzo web (%2): gli acquirenti vedranno un'immagine rotta.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 è vuoto.</translation>
    </message>
    <message>
        <source>%1 still reads "Default": its template was incomplete. Type the text you want.</source>
        <translation>%1 riporta ancora «Default»: il modello era incompleto. Scrivete il testo che volete.</translation>
    </message>
    <message>
        <source>%1 is "%2", not a colour written as # and six hexadecimal digits: buyers' browsers show some other colour.</source>
        <translation>%1 è «%2», non un colore scritto come # seguito da sei cifre esadecimali: i browser degli acquirenti mostrano un altro colore.</translation>
    </message>
    <message>
        <source>%1 contains %2. eBay refuses listings with active content ("Disallowed JavaScript/HTML Syntax").</source>
        <translation>%1 contiene %2. eBay rifiuta le inserzioni con contenuti attivi («Disallowed JavaScript/HTML Syntax»).</translation>
    </message>
    <message>
        <source>%1 links to %2. eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation>%1 rimanda a %2. eBay non consente link che portano gli acquirenti fuori da eBay e può rimuovere l'inserzione.</translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln places off eBay (%2). eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation>
            <numerusform>%1 rimanda a %Ln destinazione fuori da eBay (%2). eBay non consente link che portano gli acquirenti fuori da eBay e può rimuovere l'inserzione.</numerusform>
            <numerusform>%1 rimanda a %Ln destinazioni fuori da eBay (%2). eBay non consente link che portano gli acquirenti fuori da eBay e può rimuovere l'inserzione.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 loads %2 off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation>%1 carica %2 fuori da eBay: ciò che arriva da lì può cambiare l'aspetto dell'intera inserzione o nasconderla. Mettete gli stili nell'inserzione stessa.</translation>
    </message>
    <message numerus="yes">
        <source>%1 loads %Ln style sheets and fonts (%2) off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation>
            <numerusform>%1 carica %Ln foglio di stile o font (%2) fuori da eBay: ciò che arriva da lì può cambiare l'aspetto dell'intera inserzione o nasconderla. Mettete gli stili nell'inserzione stessa.</numerusform>
            <numerusform>%1 carica %Ln fogli di stile e font (%2) fuori da eBay: ciò che arriva da lì può cambiare l'aspetto dell'intera inserzione o nasconderla. Mettete gli stili nell'inserzione stessa.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the e-mail address %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>%1 contiene l'indirizzo e-mail %2. eBay non consente recapiti nelle inserzioni e può rimuovere l'inserzione.</translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln e-mail addresses (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>
            <numerusform>%1 contiene %Ln indirizzo e-mail (%2). eBay non consente recapiti nelle inserzioni e può rimuovere l'inserzione.</numerusform>
            <numerusform>%1 contiene %Ln indirizzi e-mail (%2). eBay non consente recapiti nelle inserzioni e può rimuovere l'inserzione.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the phone number %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>%1 contiene il numero di telefono %2. eBay non consente recapiti nelle inserzioni e può rimuovere l'inserzione.</translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln phone numbers (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>
            <numerusform>%1 contiene %Ln numero di telefono (%2). eBay non consente recapiti nelle inserzioni e può rimuovere l'inserzione.</numerusform>
            <numerusform>%1 contiene %Ln numeri di telefono (%2). eBay non consente recapiti nelle inserzioni e può rimuovere l'inserzione.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 shows a picture from an http:// address (%2). eBay shows pictures only from https:// addresses.</source>
        <translation>%1 mostra un'immagine da un indirizzo http:// (%2). eBay mostra solo immagini da indirizzi https://.</translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures from http:// addresses (%2). eBay shows pictures only from https:// addresses.</source>
        <translation>
            <numerusform>%1 mostra %Ln immagine da indirizzi http:// (%2). eBay mostra solo immagini da indirizzi https://.</numerusform>
            <numerusform>%1 mostra %Ln immagini da indirizzi http:// (%2). eBay mostra solo immagini da indirizzi https://.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 links to an http:// address (%2). eBay accepts only https:// links in listings.</source>
        <translation>%1 rimanda a un indirizzo http:// (%2). eBay accetta nelle inserzioni solo link https://.</translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln http:// addresses (%2). eBay accepts only https:// links in listings.</source>
        <translation>
            <numerusform>%1 rimanda a %Ln indirizzo http:// (%2). eBay accetta nelle inserzioni solo link https://.</numerusform>
            <numerusform>%1 rimanda a %Ln indirizzi http:// (%2). eBay accetta nelle inserzioni solo link https://.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uses %2, a web address without https: in front. On eBay's pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation>%1 usa %2, un indirizzo web senza https: davanti. Sulle pagine di eBay funziona; con https: davanti funziona ovunque venga mostrata l'inserzione.</translation>
    </message>
    <message>
        <source>%1 shows a picture that is not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation>%1 mostra un'immagine che non è online (%2): gli acquirenti vedranno un'immagine rotta. Mettete l'immagine su un servizio di hosting di immagini e usatene l'indirizzo https://.</translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures that are not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation>
            <numerusform>%1 mostra %Ln immagine che non è online (%2): gli acquirenti vedranno un'immagine rotta. Mettete l'immagine su un servizio di hosting di immagini e usatene l'indirizzo https://.</numerusform>
            <numerusform>%1 mostra %Ln immagini che non sono online (%2): gli acquirenti vedranno immagini rotte. Mettete le immagini su un servizio di hosting di immagini e usatene gli indirizzi https://.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opens a comment (&lt;!--) and never closes it: buyers see nothing of the listing after it.</source>
        <translation>%1 apre un commento (&lt;!--) e non lo chiude mai: gli acquirenti non vedono nulla dell'inserzione che segue.</translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see the rest of the listing as code.</source>
        <translation>%1 apre un elemento %2 e non lo chiude mai: gli acquirenti vedono il resto dell'inserzione come codice.</translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see nothing of the listing after it.</source>
        <translation>%1 apre un elemento %2 e non lo chiude mai: gli acquirenti non vedono nulla dell'inserzione che segue.</translation>
    </message>
    <message>
        <source>%1 ends inside a tag (%2): the listing's own markup after it is read as part of that tag, and part of the listing breaks.</source>
        <translation>%1 finisce dentro un tag (%2): il markup proprio dell'inserzione che segue viene letto come parte di quel tag, e una parte dell'inserzione si rompe.</translation>
    </message>
    <message>
        <source>%1 nests elements more than %2 deep, deeper than browsers show as written. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 annida elementi per più di %2 livelli, più a fondo di quanto i browser mostrino come scritto. Il controllo ha letto l'inserzione solo fino a quel punto: ciò che segue non è controllato.</translation>
    </message>
    <message>
        <source>%1 has a tag with more than %2 attributes. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 ha un tag con più di %2 attributi. Il controllo ha letto l'inserzione solo fino a quel punto: ciò che segue non è controllato.</translation>
    </message>
    <message>
        <source>%1 goes past %2 elements and texts in all, more than a listing needs. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 supera in tutto %2 elementi e testi, più di quanti ne servano a un'inserzione. Il controllo ha letto l'inserzione solo fino a quel punto: ciò che segue non è controllato.</translation>
    </message>
    <message>
        <source>Text colour %1 on background %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation>Il colore del testo %1 sullo sfondo %2 ha un contrasto di %3. Gli acquirenti hanno bisogno di almeno %4 per leggerlo, soprattutto su un telefono alla luce del giorno.</translation>
    </message>
    <message>
        <source>Text colour %1 on the Background colour %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation>Il colore del testo %1 sul colore dello sfondo %2 ha un contrasto di %3. Gli acquirenti hanno bisogno di almeno %4 per leggerlo, soprattutto su un telefono alla luce del giorno.</translation>
    </message>
    <message>
        <source>No colour of the palette reads well on both the Background colour and the background picture: change one of them.</source>
        <translation>Nessun colore della tavolozza si legge bene sia sul colore dello sfondo sia sull'immagine di sfondo: cambiate uno dei due.</translation>
    </message>
    <message>
        <source>"%1"</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>"%1" (%2?)</source>
        <translation>«%1» (%2?)</translation>
    </message>
    <message>
        <source>%1 has a word the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation>%1 contiene una parola che il dizionario non conosce: %2. Un errore di battitura fa fidare meno gli acquirenti, e una marca scritta male non viene trovata nella ricerca.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %Ln words the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation>
            <numerusform>%1 contiene %Ln parola che il dizionario non conosce: %2. Un errore di battitura fa fidare meno gli acquirenti, e una marca scritta male non viene trovata nella ricerca.</numerusform>
            <numerusform>%1 contiene %Ln parole che il dizionario non conosce: %2. Un errore di battitura fa fidare meno gli acquirenti, e una marca scritta male non viene trovata nella ricerca.</numerusform>
        </translation>
    </message>
    <message>
        <source>The phone summary has %1 characters; eBay shows %2 and drops the rest.</source>
        <translation>Il riepilogo per dispositivi mobili ha %1 caratteri; eBay ne mostra %2 e tralascia il resto.</translation>
    </message>
    <message>
        <source> and more</source>
        <translation> e altri</translation>
    </message>
    <message>
        <source>The phone summary holds markup eBay does not take there (%1); only lists (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), line breaks and &amp;nbsp; show on a phone.</source>
        <translation>Il riepilogo per dispositivi mobili contiene markup che eBay lì non accetta (%1); su un telefono compaiono solo elenchi (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), a capo e &amp;nbsp;.</translation>
    </message>
    <message>
        <source>Buyers will not see the background until the picture is online where their browsers can load it. Click "%1", upload the picture to a picture host, then pick "%2" in the background list and give its https address.</source>
        <translation>Gli acquirenti non vedranno lo sfondo finché l'immagine non sarà online, dove i loro browser possono caricarla. Fate clic su «%1», caricate l'immagine su un servizio di hosting di immagini, poi scegliete «%2» nell'elenco degli sfondi e indicatene l'indirizzo https.</translation>
    </message>
    <message>
        <source>Buyers will not see background %1 until the picture is online where their browsers can load it. Click "%2", upload the picture to a picture host, then pick "%3" in the background list and give its https address.</source>
        <translation>Gli acquirenti non vedranno lo sfondo %1 finché l'immagine non sarà online, dove i loro browser possono caricarla. Fate clic su «%2», caricate l'immagine su un servizio di hosting di immagini, poi scegliete «%3» nell'elenco degli sfondi e indicatene l'indirizzo https.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Il titolo</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>L'immagine di sfondo</translation>
    </message>
    <message>
        <source>Borders colour</source>
        <translation>Il colore dei bordi</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Il colore del testo</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Il colore dello sfondo</translation>
    </message>
    <message>
        <source>The credit footer</source>
        <translation>La dicitura a piè di pagina</translation>
    </message>
    <message>
        <source>Phone Summary</source>
        <translation>Il riepilogo per dispositivi mobili</translation>
    </message>
    <message>
        <source>The listing</source>
        <translation>L'inserzione</translation>
    </message>
    <message>
        <source>The description is %1 characters long, tags included. eBay refuses descriptions over %2 characters.</source>
        <translation>La descrizione dell'oggetto è lunga %1 caratteri, tag compresi. eBay rifiuta descrizioni oltre %2 caratteri.</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usa %1</translation>
    </message>
    <message>
        <source>Use https://</source>
        <translation>Usa https://</translation>
    </message>
    <message>
        <source>Put https: in front</source>
        <translation>Aggiungi https: davanti</translation>
    </message>
    <message>
        <source>Take the phone number out</source>
        <translation>Togli il numero di telefono</translation>
    </message>
    <message numerus="yes">
        <source>Take the phone numbers out</source>
        <translation>
            <numerusform>Togli il numero di telefono</numerusform>
            <numerusform>Togli i numeri di telefono</numerusform>
        </translation>
    </message>
    <message>
        <source>Close it with %1</source>
        <translation>Chiudilo con %1</translation>
    </message>
    <message>
        <source>Keep the credit without the link off eBay</source>
        <translation>Mantieni la dicitura senza il link fuori da eBay</translation>
    </message>
    <message>
        <source>more</source>
        <translation>altre</translation>
    </message>
    <message>
        <source>Correct to %1</source>
        <translation>Correggi in %1</translation>
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
        <translation>Telefono (375 px)</translation>
    </message>
    <message>
        <source>eBay description (700 px)</source>
        <translation>Descrizione eBay (700 px)</translation>
    </message>
    <message>
        <source>Full width</source>
        <translation>Larghezza intera</translation>
    </message>
    <message>
        <source>Show the listing at:</source>
        <translation>Larghezza dell'inserzione:</translation>
    </message>
    <message>
        <source>Esc closes this view</source>
        <translation>Esc chiude questa vista</translation>
    </message>
</context>
<context>
    <name>vellumo::HelpPage</name>
    <message>
        <source>Brenvik 2000 Web Site</source>
        <translation>Sito web di Brenvik 2000</translation>
    </message>
    <message>
        <source>eBay Web Site</source>
        <translation>Sito web di eBay</translation>
    </message>
    <message>
        <source>&amp;Join the Brenvik mailing list</source>
        <translation>&amp;Mailing list di Brenvik</translation>
    </message>
    <message>
        <source>Join our mailing list</source>
        <translation>Iscrivetevi alla nostra mailing list</translation>
    </message>
    <message>
        <source>Visit Brenvik 2000</source>
        <translation>Visitate Brenvik 2000</translation>
    </message>
    <message>
        <source>Show the notice after saving</source>
        <translation>Mostra l'avviso dopo il salvataggio</translation>
    </message>
    <message>
        <source>Vellumo Help</source>
        <translation>Guida di Vellumo</translation>
    </message>
    <message>
        <source>Free Image Hosting Sites</source>
        <translation>Hosting di immagini gratuiti</translation>
    </message>
    <message>
        <source>You can find many more using Google</source>
        <translation>Con Google ne trovate molti altri</translation>
    </message>
    <message>
        <source>&amp;Picture hosting…</source>
        <translation>&amp;Hosting delle foto…</translation>
    </message>
    <message>
        <source>Upload your photos to your own web space (WebDAV, SFTP or FTP with TLS)</source>
        <translation>Caricate le vostre foto sul vostro spazio web (WebDAV, SFTP o FTP con TLS)</translation>
    </message>
</context>
<context>
    <name>vellumo::HelpWindow</name>
    <message>
        <source>Vellumo Help</source>
        <translation>Guida di Vellumo</translation>
    </message>
</context>
<context>
    <name>vellumo::ListingCheckDialog</name>
    <message>
        <source>eBay blocks this</source>
        <translation>eBay lo blocca</translation>
    </message>
    <message>
        <source>Buyers will not see this</source>
        <translation>Gli acquirenti non lo vedranno</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Consiglio</translation>
    </message>
    <message>
        <source>Before this listing is saved and copied for eBay, look at what Vellumo found in it:</source>
        <translation>Prima che questa inserzione venga salvata e copiata per eBay, guardate che cosa vi ha trovato Vellumo:</translation>
    </message>
    <message>
        <source>Copy anyway</source>
        <translation>Copia comunque</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>vellumo::MainWindow</name>
    <message>
        <source>Incorrect Format:

%1</source>
        <translation>Formato non corretto:

%1</translation>
    </message>
    <message>
        <source>Save changes to the design before closing?</source>
        <translation>Salvare le modifiche alla composizione prima di chiudere?</translation>
    </message>
    <message>
        <source>Please select a Template Style, fill in the title and all other fields before previewing.  Alternatively you may load an existing template from the My Templates tab.    </source>
        <translation>Scegliete uno stile di modello e compilate il titolo e tutti gli altri campi prima dell'anteprima.  In alternativa potete caricare un modello esistente dalla scheda «I miei modelli».    </translation>
    </message>
    <message>
        <source>The https address of your background picture, once it is on a picture host:</source>
        <translation>L'indirizzo https della vostra immagine di sfondo, una volta caricata su un servizio di hosting di immagini:</translation>
    </message>
    <message>
        <source>"%1" cannot be the background: it must be a whole https:// address (buyers' browsers show no picture from other addresses), without blanks or quotes. The background stays as it was.</source>
        <translation>«%1» non può essere lo sfondo: deve essere un indirizzo https:// completo (i browser degli acquirenti non mostrano immagini da altri indirizzi), senza spazi né virgolette. Lo sfondo resta com'era.</translation>
    </message>
    <message>
        <source>Your choice could not be saved in %1: %2.</source>
        <translation>La vostra scelta non si è potuta salvare in %1: %2.</translation>
    </message>
</context>
<context>
    <name>vellumo::Palette</name>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Blu navy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Ottanio</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
</context>
<context>
    <name>vellumo::PickerLists</name>
    <message>
        <source>Select Template</source>
        <translation>Seleziona modello</translation>
    </message>
    <message>
        <source>2 Alternating Photos</source>
        <translation>2 foto alternate</translation>
    </message>
    <message>
        <source>2 Inline Photos</source>
        <translation>2 foto a sinistra</translation>
    </message>
    <message>
        <source>3 Alternating Photos</source>
        <translation>3 foto alternate</translation>
    </message>
    <message>
        <source>3 Inline Photos</source>
        <translation>3 foto a sinistra</translation>
    </message>
    <message>
        <source>4 Alternating Photos</source>
        <translation>4 foto alternate</translation>
    </message>
    <message>
        <source>4 Inline Photos</source>
        <translation>4 foto a sinistra</translation>
    </message>
    <message>
        <source>5 Alternating Photos</source>
        <translation>5 foto alternate</translation>
    </message>
    <message>
        <source>5 Inline Photos</source>
        <translation>5 foto a sinistra</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Nessuno sfondo</translation>
    </message>
    <message>
        <source>Your own picture…</source>
        <translation>La tua immagine…</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureBoxUpload</name>
    <message>
        <source>Upload photo…</source>
        <translation>Carica foto…</translation>
    </message>
    <message>
        <source>Choose a photo on this computer: Vellumo uploads it to your picture hosting and puts its address here. You can also drop photos on the box.</source>
        <translation>Scegliete una foto su questo computer: Vellumo la carica sul vostro hosting delle foto e ne inserisce qui l'indirizzo. Potete anche trascinare le foto sulla casella.</translation>
    </message>
    <message>
        <source>Uploading the photo… %p%</source>
        <translation>Caricamento della foto… %p%</translation>
    </message>
    <message>
        <source>Cancel upload</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHosting</name>
    <message>
        <source>Photos to upload</source>
        <translation>Foto da caricare</translation>
    </message>
    <message>
        <source>%1 photos were given, but the layout has only %2 empty picture boxes left: the other %3 were not uploaded.</source>
        <translation>Sono state date %1 foto, ma il layout ha solo %2 caselle di immagine vuote: le altre %3 non sono state caricate.</translation>
    </message>
    <message>
        <source>The password of "%1" on %2 (Vellumo keeps it in the desktop's keyring, or in memory until it closes where there is no keyring):</source>
        <translation>La password di «%1» su %2 (Vellumo la conserva nel portachiavi del desktop o, dove non c'è, in memoria finché non viene chiuso):</translation>
    </message>
    <message>
        <source>The picture hosting settings could not be saved in %1: %2.</source>
        <translation>Le impostazioni dell'hosting delle foto non si sono potute salvare in %1: %2.</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHostingDialog</name>
    <message>
        <source>Compare it with the fingerprint your hosting provider publishes for its SFTP server. Trust this server and remember its key?</source>
        <translation>Confrontatela con l'impronta che il vostro provider di hosting pubblica per il suo server SFTP. Fidarsi di questo server e ricordarne la chiave?</translation>
    </message>
    <message>
        <source>Picture Hosting</source>
        <translation>Hosting delle foto</translation>
    </message>
    <message>
        <source>Vellumo uploads your photos to your own web space and puts their https addresses into the picture boxes. Most hosting packages offer WebDAV, SFTP or FTP with TLS: your provider's help pages name the server, and the web address of each folder.</source>
        <translation>Vellumo carica le vostre foto sul vostro spazio web e ne inserisce gli indirizzi https nelle caselle delle immagini. La maggior parte dei pacchetti di hosting offre WebDAV, SFTP o FTP con TLS: le pagine di aiuto del vostro provider indicano il server e l'indirizzo web di ogni cartella.</translation>
    </message>
    <message>
        <source>Upload with:</source>
        <translation>Carica con:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>kept in your desktop's keyring</source>
        <translation>conservata nel portachiavi del desktop</translation>
    </message>
    <message>
        <source>Folder on the server:</source>
        <translation>Cartella sul server:</translation>
    </message>
    <message>
        <source>Its public address:</source>
        <translation>Indirizzo pubblico:</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prova</translation>
    </message>
    <message>
        <source>Uploads a small file, loads it from the public address and removes it</source>
        <translation>Carica un piccolo file, lo scarica dall'indirizzo pubblico e lo rimuove</translation>
    </message>
    <message>
        <source>Testing…</source>
        <translation>Prova in corso…</translation>
    </message>
    <message>
        <source>The test worked: a small file went to the server, came back unchanged from %1 and was removed again.</source>
        <translation>La prova è riuscita: un piccolo file è andato sul server, è tornato invariato da %1 ed è stato rimosso.</translation>
    </message>
</context>
<context>
    <name>vellumo::PreviewPage</name>
    <message>
        <source>This preview is for checking colors only and the listing may appear distorted.  To see how the listing will actually look click the Full Screen button.  To save the finished Template and code click the Save button.</source>
        <translation>Questa anteprima serve solo a controllare i colori e l'inserzione può apparire deformata.  Per vederla com'è davvero fate clic su «Schermo intero».  Per salvare il modello e il codice fate clic su «Salva».</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save the template and copy the code to the clipboard</source>
        <translation>Salva il modello e copia il codice negli appunti</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Preview your listing full screen</source>
        <translation>Guarda l'inserzione a schermo intero</translation>
    </message>
    <message>
        <source>Phone-friendly layout</source>
        <translation>Layout per cellulari</translation>
    </message>
    <message>
        <source>Pictures scale down and long words wrap, so the listing fits a phone's screen; on a wide screen it looks the same</source>
        <translation>Le immagini si riducono e le parole lunghe vanno a capo, così l'inserzione sta nello schermo di un telefono; su uno schermo largo appare uguale</translation>
    </message>
</context>
<context>
    <name>vellumo::RunningInstance</name>
    <message>
        <source>Vellumo is already running on your designs (in %1), but it does not answer.

If its window is hidden or no longer responds, close it, or end Vellumo in your system monitor, then start Vellumo again.</source>
        <translation>Vellumo è già in esecuzione sulle vostre composizioni (in %1), ma non risponde.

Se la sua finestra è nascosta o non risponde più, chiudetela, oppure terminate Vellumo nel monitor di sistema, poi avviate di nuovo Vellumo.</translation>
    </message>
</context>
<context>
    <name>vellumo::SavedNotice</name>
    <message>
        <source>Template Saved</source>
        <translation>Modello salvato</translation>
    </message>
    <message>
        <source>Your Template and Html code file have been saved and are available in the My Templates tab.</source>
        <translation>Il vostro modello e il file del codice HTML sono salvati nella scheda «I miei modelli».</translation>
    </message>
    <message>
        <source>The HTML code has been copied to the clipboard and saved in My Templates. In eBay's listing form, switch the description editor to HTML and paste it there.</source>
        <translation>Il codice HTML è stato copiato negli appunti e salvato in «I miei modelli». Nel modulo di inserzione di eBay passate l'editor della descrizione in modalità HTML e incollatelo lì.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don't show this message again</source>
        <translation>Non mostrare più questo messaggio</translation>
    </message>
</context>
<context>
    <name>vellumo::Spelling</name>
    <message>
        <source>Spelling is off: the %1 dictionary could not be opened (%2/%3.dic: %4). Install the Debian package %5 to check spelling in %1.</source>
        <translation>Il controllo ortografico è spento: il dizionario %1 non si è potuto aprire (%2/%3.dic: %4). Installate il pacchetto Debian %5 per controllare l'ortografia in %1.</translation>
    </message>
    <message>
        <source>"%1" could not be added to your words in %2: %3.</source>
        <translation>«%1» non si è potuto aggiungere alle vostre parole in %2: %3.</translation>
    </message>
</context>
<context>
    <name>vellumo::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Nessun suggerimento</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Aggiungi al dizionario</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
</context>
<context>
    <name>vellumo::SummaryDialog</name>
    <message>
        <source>Phone Summary</source>
        <translation>Riepilogo per dispositivi mobili</translation>
    </message>
    <message>
        <source>eBay's apps and phone pages show this summary first, before the buyer opens the full description. Keep it to the points a buyer decides on. Plain text and line breaks; lists (&amp;lt;ul&amp;gt;, &amp;lt;ol&amp;gt;, &amp;lt;li&amp;gt;), &amp;lt;br&amp;gt; and &amp;amp;nbsp; are the only markup eBay takes. Leave it empty for none.</source>
        <translation>Le app e le pagine per dispositivi mobili di eBay mostrano per primo questo riepilogo, prima che l'acquirente apra la descrizione completa. Limitatevi ai punti su cui un acquirente decide. Testo semplice e a capo; elenchi (&amp;lt;ul&amp;gt;, &amp;lt;ol&amp;gt;, &amp;lt;li&amp;gt;), &amp;lt;br&amp;gt; e &amp;amp;nbsp; sono l'unico markup che eBay accetta. Lasciatelo vuoto per non averne nessuno.</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 di %2 caratteri</translation>
    </message>
</context>
<context>
    <name>vellumo::TemplatesPage</name>
    <message>
        <source>"%1"</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>at %1 it is too large to be a template (a template file holds at most %2)</source>
        <translation>con %1 è troppo grande per essere un modello (un file di modello occupa al massimo %2)</translation>
    </message>
    <message>
        <source>Saved Templates</source>
        <translation>Modelli salvati</translation>
    </message>
    <message>
        <source>Saved Html Codes for Listings</source>
        <translation>Codici HTML salvati delle inserzioni</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete selected template and file</source>
        <translation>Elimina il modello e il file selezionati</translation>
    </message>
    <message>
        <source>Load selected template</source>
        <translation>Carica il modello scelto</translation>
    </message>
    <message>
        <source>Open selected file</source>
        <translation>Apri il file selezionato</translation>
    </message>
    <message>
        <source>Name of Template to Save</source>
        <translation>Nome del modello da salvare</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save template and file as</source>
        <translation>Salva il modello e il file come</translation>
    </message>
    <message>
        <source>Please select a template to load     </source>
        <translation>Selezionate un modello da caricare     </translation>
    </message>
    <message>
        <source>%1 is not a template Vellumo can load: the name of a template ends in 2, 3, 4 or 5, the number of its photos.</source>
        <translation>%1 non è un modello che Vellumo può caricare: il nome di un modello finisce con 2, 3, 4 o 5, il numero delle sue foto.</translation>
    </message>
    <message>
        <source>The template %1 is no longer in My Templates; nothing was loaded. The lists now show what the folder holds.</source>
        <translation>Il modello %1 non è più in «I miei modelli»; non è stato caricato nulla. Gli elenchi ora mostrano ciò che contiene la cartella.</translation>
    </message>
    <message>
        <source>The template %1 could not be read: %2. Nothing was loaded.</source>
        <translation>Il modello %1 non si è potuto leggere: %2. Non è stato caricato nulla.</translation>
    </message>
    <message>
        <source>%1 is not a Vellumo template: no [%2] section. Nothing was loaded.</source>
        <translation>%1 non è un modello di Vellumo: manca la sezione [%2]. Non è stato caricato nulla.</translation>
    </message>
    <message>
        <source>The template %1 holds colour values that are not colours (%2). Vellumo uses the default colours instead.</source>
        <translation>Il modello %1 contiene valori di colore che non sono colori (%2). Vellumo usa al loro posto i colori predefiniti.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>A design named %1 is saved already. Replace it?</source>
        <translation>Una composizione chiamata %1 è già salvata. Sostituirla?</translation>
    </message>
    <message>
        <source>Please select a Template Style and fill in its fields before saving.</source>
        <translation>Scegliete uno stile di modello e compilatene i campi prima di salvare.</translation>
    </message>
    <message>
        <source>Please type a name for the template in "%1".</source>
        <translation>Scrivete un nome per il modello in «%1».</translation>
    </message>
    <message>
        <source>The name %1 is too long for a file name: a template name may have at most %2 bytes (an accented letter takes two), and this one has %3. Please shorten it.</source>
        <translation>Il nome %1 è troppo lungo per un nome di file: un nome di modello può avere al massimo %2 byte (una lettera accentata ne occupa due), e questo ne ha %3. Accorciatelo.</translation>
    </message>
    <message>
        <source>The template %1 could not be saved in %2: %3. Nothing was copied to the clipboard.</source>
        <translation>Il modello %1 non si è potuto salvare in %2: %3. Non è stato copiato nulla negli appunti.</translation>
    </message>
    <message>
        <source>Please select a template or code file to delete.</source>
        <translation>Selezionate un modello o un file di codice da eliminare.</translation>
    </message>
    <message>
        <source>Delete the design %1, its template and its Html code file?</source>
        <translation>Eliminare la composizione %1, il suo modello e il suo file di codice HTML?</translation>
    </message>
    <message>
        <source>Delete the template %1?</source>
        <translation>Eliminare il modello %1?</translation>
    </message>
    <message>
        <source>Delete the Html code file %1?</source>
        <translation>Eliminare il file di codice HTML %1?</translation>
    </message>
    <message>
        <source>Not everything could be deleted from %1: %2. The lists show what is left.</source>
        <translation>Non si è potuto eliminare tutto da %1: %2. Gli elenchi mostrano ciò che resta.</translation>
    </message>
    <message>
        <source>Please select an Html code file to open.</source>
        <translation>Selezionate un file di codice HTML da aprire.</translation>
    </message>
    <message>
        <source>The Html code file %1 is no longer in My Templates. The lists now show what the folder holds.</source>
        <translation>Il file di codice HTML %1 non è più in «I miei modelli». Gli elenchi ora mostrano ciò che contiene la cartella.</translation>
    </message>
    <message>
        <source>no program for text files is set up on this computer</source>
        <translation>su questo computer non è configurato alcun programma per i file di testo</translation>
    </message>
    <message>
        <source>The Html code file %1 could not be opened: %2. You will find it at
%3</source>
        <translation>Il file di codice HTML %1 non si è potuto aprire: %2. Lo trovate in
%3</translation>
    </message>
</context>
<context>
    <name>vellumo::UploadTexts</name>
    <message>
        <source>Plain FTP is not offered: it sends your password and your photos unencrypted. Choose "%1" or SFTP; most hosting packages offer both.</source>
        <translation>L'FTP semplice non è previsto: invia la vostra password e le vostre foto senza cifratura. Scegliete «%1» o SFTP; la maggior parte dei pacchetti di hosting li offre entrambi.</translation>
    </message>
    <message>
        <source>WebDAV over http is not offered: it sends your password and your photos unencrypted. Use the server's https address.</source>
        <translation>WebDAV su http non è previsto: invia la vostra password e le vostre foto senza cifratura. Usate l'indirizzo https del server.</translation>
    </message>
    <message>
        <source>Please give the server's name, such as dav.example.com.</source>
        <translation>Indicate il nome del server, per esempio dav.example.com.</translation>
    </message>
    <message>
        <source>"%1" is not a server name: give only the name, such as dav.example.com, and the port in its own box.</source>
        <translation>«%1» non è un nome di server: indicate solo il nome, per esempio dav.example.com, e la porta nella sua casella.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535, or empty for the usual one.</source>
        <translation>La porta deve essere un numero da 1 a 65535, oppure restare vuota per quella consueta.</translation>
    </message>
    <message>
        <source>Please give the user name of your hosting account.</source>
        <translation>Indicate il nome utente del vostro account di hosting.</translation>
    </message>
    <message>
        <source>The public address must begin with https://: eBay shows no pictures from http:// addresses.</source>
        <translation>L'indirizzo pubblico deve iniziare con https://: eBay non mostra immagini da indirizzi http://.</translation>
    </message>
    <message>
        <source>Please give the public address where buyers' browsers find the folder's pictures, such as https://www.example.com/photos/.</source>
        <translation>Indicate l'indirizzo pubblico dove i browser degli acquirenti trovano le immagini della cartella, per esempio https://www.example.com/photos/.</translation>
    </message>
    <message>
        <source>The upload could not start: libcurl did not initialise.</source>
        <translation>Il caricamento non è potuto partire: libcurl non si è inizializzata.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name "%2" or its password. Check them under Picture hosting.</source>
        <translation>Il server %1 ha rifiutato il nome utente «%2» o la sua password. Controllateli in «Hosting delle foto».</translation>
    </message>
    <message>
        <source>The SFTP server %1 is not known yet. It identifies itself with the key %2.</source>
        <translation>Il server SFTP %1 non è ancora noto. Si identifica con la chiave %2.</translation>
    </message>
    <message>
        <source>The SFTP server %1 no longer shows the key you trusted before; it now shows %2. A reinstalled server does this, and so does someone listening in between. The upload was refused. Once your hosting provider confirms the new key, remove the line of this server from %3 and try again.</source>
        <translation>Il server SFTP %1 non mostra più la chiave di cui vi siete fidati; ora mostra %2. Lo fa un server reinstallato, ma anche qualcuno che ascolta nel mezzo. Il caricamento è stato rifiutato. Quando il vostro provider di hosting conferma la nuova chiave, togliete la riga di questo server da %3 e riprovate.</translation>
    </message>
    <message>
        <source>The key of %1 could not be kept in %2: %3.</source>
        <translation>La chiave di %1 non si è potuta conservare in %2: %3.</translation>
    </message>
    <message>
        <source>The connection to %1 is not trusted: %2. Nothing was sent. Ask your hosting provider for a certificate this computer trusts.</source>
        <translation>La connessione a %1 non è affidabile: %2. Non è stato inviato nulla. Chiedete al vostro provider di hosting un certificato di cui questo computer si fidi.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2.</source>
        <translation>Il server %1 non è raggiungibile: %2.</translation>
    </message>
    <message>
        <source>The server %1 stopped answering: %2.</source>
        <translation>Il server %1 ha smesso di rispondere: %2.</translation>
    </message>
    <message>
        <source>The server %1 has no room for the photo (%2). Free some space in your web space and try again.</source>
        <translation>Il server %1 non ha spazio per la foto (%2). Liberate spazio nel vostro spazio web e riprovate.</translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 answers 404 Not Found: the public address does not lead to the folder "%2". Check both under Picture hosting.</source>
        <translation>La foto è sul server, ma %1 risponde 404 Not Found: l'indirizzo pubblico non porta alla cartella «%2». Controllate entrambi in «Hosting delle foto».</translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 gives back something else than was sent: the public address does not lead to the folder "%2". Check both under Picture hosting.</source>
        <translation>La foto è sul server, ma %1 restituisce qualcosa di diverso da ciò che è stato inviato: l'indirizzo pubblico non porta alla cartella «%2». Controllate entrambi in «Hosting delle foto».</translation>
    </message>
    <message>
        <source>The upload was cancelled; nothing was changed.</source>
        <translation>Il caricamento è stato annullato; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2 (answer %3).</source>
        <translation>Il server %1 ha rifiutato il caricamento: %2 (risposta %3).</translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2.</source>
        <translation>Il server %1 ha rifiutato il caricamento: %2.</translation>
    </message>
    <message>
        <source>"%1" could not be opened: %2.</source>
        <translation>«%1» non si è potuto aprire: %2.</translation>
    </message>
    <message>
        <source>"%1" is not a photo Vellumo can read: it takes JPEG, PNG and WebP pictures.</source>
        <translation>«%1» non è una foto che Vellumo sa leggere: accetta immagini JPEG, PNG e WebP.</translation>
    </message>
    <message>
        <source>"%1" is damaged: its picture data is incomplete.</source>
        <translation>«%1» è danneggiato: i suoi dati d'immagine sono incompleti.</translation>
    </message>
    <message>
        <source>"%1" has %2 megapixels; Vellumo takes photos of up to %3 megapixels.</source>
        <translation>«%1» ha %2 megapixel; Vellumo accetta foto fino a %3 megapixel.</translation>
    </message>
    <message>
        <source>"%1" is %2 x %3 pixels; eBay asks for at least %4 pixels on the longest side. Please use a larger photo.</source>
        <translation>«%1» è di %2 x %3 pixel; eBay chiede almeno %4 pixel sul lato più lungo. Usate una foto più grande.</translation>
    </message>
    <message>
        <source>"%1" is damaged: %2.</source>
        <translation>«%1» è danneggiato: %2.</translation>
    </message>
    <message>
        <source>"%1" could not be converted: %2.</source>
        <translation>«%1» non si è potuto convertire: %2.</translation>
    </message>
    <message>
        <source>WebDAV over https</source>
        <translation>WebDAV su https</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>FTP with TLS (FTPS)</source>
        <translation>FTP con TLS (FTPS)</translation>
    </message>
    <message>
        <source>The photo is on the server, but its public address %1 could not be loaded. %2</source>
        <translation>La foto è sul server, ma il suo indirizzo pubblico %1 non si è potuto caricare. %2</translation>
    </message>
</context>
<context>
    <name>vellumo::WindowFrame</name>
    <message>
        <source>Design</source>
        <translation>Composizione</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>My Templates</source>
        <translation>I miei modelli</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Aiuto/Informazioni</translation>
    </message>
</context>
</TS>