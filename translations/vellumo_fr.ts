<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vellumo::ColourStrip</name>
    <message>
        <source>Select Colors</source>
        <translation>Choisir les couleurs</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordures</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Aucun arrière-plan</translation>
    </message>
    <message>
        <source>Export backgrounds…</source>
        <translation>Exporter les arrière-plans…</translation>
    </message>
    <message>
        <source>Save the full-size background pictures in a folder, ready to upload to a picture host</source>
        <translation>Enregistre les images d&apos;arrière-plan en taille réelle dans un dossier, prêtes à être envoyées chez un hébergeur d&apos;images</translation>
    </message>
    <message>
        <source>The chosen background</source>
        <translation>L&apos;arrière-plan choisi</translation>
    </message>
    <message>
        <source>All %1 backgrounds</source>
        <translation>Les %1 arrière-plans</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Arrière-plan %1</translation>
    </message>
    <message>
        <source>Export backgrounds to</source>
        <translation>Exporter les arrière-plans vers</translation>
    </message>
    <message>
        <source>1 of the pictures is in %1 already. Replace them?</source>
        <translation>Une des images se trouve déjà dans %1. La remplacer&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n of the pictures are in %1 already. Replace them?</source>
        <translation>
            <numerusform>%n des images se trouve déjà dans %1. La remplacer&#xa0;?</numerusform>
            <numerusform>%n des images se trouvent déjà dans %1. Les remplacer&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>The backgrounds could not be saved in %1: %2.</source>
        <translation>Les arrière-plans n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Background %1 is saved in %2 as %3.</source>
        <translation>L&apos;arrière-plan %1 est enregistré dans %2 sous le nom %3.</translation>
    </message>
    <message>
        <source>The %1 backgrounds are saved in %2, as %3 to %4.</source>
        <translation>Les %1 arrière-plans sont enregistrés dans %2, de %3 à %4.</translation>
    </message>
    <message>
        <source>Upload the picture you want to a picture host, then pick &quot;%1&quot; in the background list and give its https address: buyers see the background from there.</source>
        <translation>Envoyez l&apos;image voulue chez un hébergeur d&apos;images, puis choisissez «&#xa0;%1&#xa0;» dans la liste des arrière-plans et indiquez son adresse https&#xa0;: c&apos;est de là que les acheteurs voient l&apos;arrière-plan.</translation>
    </message>
</context>
<context>
    <name>vellumo::DesignPage</name>
    <message>
        <source>Product Title</source>
        <translation>Titre de l&apos;objet</translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation>Premier paragraphe</translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation>Deuxième paragraphe</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>Première image</translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation>Deuxième image</translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation>Troisième paragraphe</translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation>Troisième image</translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation>Quatrième paragraphe</translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation>Cinquième paragraphe</translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation>Cinquième image</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>eBay&apos;s phone summary: up to %1 characters that buyers on a phone see first</source>
        <translation>Le résumé pour mobile d&apos;eBay&#xa0;: jusqu&apos;à %1 caractères que les acheteurs voient en premier sur un téléphone</translation>
    </message>
    <message>
        <source>Spelling:</source>
        <translation>Orthographe&#xa0;:</translation>
    </message>
    <message>
        <source>The language of your listing: the title, paragraphs and summary are spell-checked in it, and the check before Save looks for phone numbers as its eBay site&apos;s country writes them</source>
        <translation>La langue de votre annonce&#xa0;: le titre, les paragraphes et le résumé sont vérifiés dans cette langue, et la vérification avant l&apos;enregistrement cherche les numéros de téléphone tels que les écrit le pays de son site eBay</translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation>Quatrième image</translation>
    </message>
</context>
<context>
    <name>vellumo::DesktopServices</name>
    <message>
        <source>Photos (%1)</source>
        <translation>Photos (%1)</translation>
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
        <translation> et </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>La première image</translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation>Le premier paragraphe</translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation>La deuxième image</translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation>Le deuxième paragraphe</translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation>La troisième image</translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation>Le troisième paragraphe</translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation>La quatrième image</translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation>Le quatrième paragraphe</translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation>La cinquième image</translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation>Le cinquième paragraphe</translation>
    </message>
    <message numerus="yes">
        <source>%Ln more</source>
        <translation>
            <numerusform>%Ln autre</numerusform>
            <numerusform>%Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 element</source>
        <translation>un élément %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 elements</source>
        <translation>
            <numerusform>%Ln élément %1</numerusform>
            <numerusform>%Ln éléments %1</numerusform>
        </translation>
    </message>
    <message>
        <source>an %1 attribute</source>
        <translation>un attribut %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 attributes</source>
        <translation>
            <numerusform>%Ln attribut %1</numerusform>
            <numerusform>%Ln attributs %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 address</source>
        <translation>une adresse %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 addresses</source>
        <translation>
            <numerusform>%Ln adresse %1</numerusform>
            <numerusform>%Ln adresses %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other kinds</source>
        <translation>
            <numerusform>%n autre sorte</numerusform>
            <numerusform>%n autres sortes</numerusform>
        </translation>
    </message>
    <message>
        <source>a font from %1</source>
        <translation>une police de %1</translation>
    </message>
    <message>
        <source>a style sheet from %1</source>
        <translation>une feuille de style de %1</translation>
    </message>
    <message>
        <source>%1 has no address: buyers will see a broken picture.</source>
        <translation>%1 n&apos;a pas d&apos;adresse&#xa0;: les acheteurs verront une image cassée.</translation>
    </message>
    <message>
        <source>%1 still reads &quot;Default&quot; (its template was incomplete): buyers will see a broken picture.</source>
        <translation>%1 indique encore «&#xa0;Default&#xa0;» (son modèle était incomplet)&#xa0;: les acheteurs verront une image cassée.</translation>
    </message>
    <message>
        <source>%1 is a file on this computer (%2). Buyers cannot see it: put the picture on a picture host and use its https:// address.</source>
        <translation>%1 est un fichier de cet ordinateur (%2). Les acheteurs ne peuvent pas le voir&#xa0;: déposez l&apos;image chez un hébergeur d&apos;images et utilisez son adresse https://.</translation>
    </message>
    <message>
        <source>%1 uses an http:// address. eBay shows pictures only from https:// addresses.</source>
        <translation>%1 utilise une adresse http://. eBay n&apos;affiche que les images provenant d&apos;adresses https://.</translation>
    </message>
    <message>
        <source>%1 (%2) is a web address without https: in front. On eBay&apos;s pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation>%1 (%2) est une adresse web sans https: devant. Sur les pages d&apos;eBay, elle fonctionne&#xa0;; avec https: devant, elle fonctionne partout où l&apos;annonce est affichée.</translation>
    </message>
    <message>
        <source>%1 is not a web address (%2): buyers will see a broken picture.</source>
        <translation>%1 n&apos;est pas une adresse web (%2)&#xa0;: les acheteurs verront une image cassée.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>%1 still reads &quot;Default&quot;: its template was incomplete. Type the text you want.</source>
        <translation>%1 indique encore «&#xa0;Default&#xa0;»&#xa0;: son modèle était incomplet. Saisissez le texte voulu.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not a colour written as # and six hexadecimal digits: buyers&apos; browsers show some other colour.</source>
        <translation>%1 vaut «&#xa0;%2&#xa0;», et non une couleur écrite sous la forme # suivi de six chiffres hexadécimaux&#xa0;: les navigateurs des acheteurs affichent une autre couleur.</translation>
    </message>
    <message>
        <source>%1 contains %2. eBay refuses listings with active content (&quot;Disallowed JavaScript/HTML Syntax&quot;).</source>
        <translation>%1 contient %2. eBay refuse les annonces comportant des contenus actifs («&#xa0;Disallowed JavaScript/HTML Syntax&#xa0;»).</translation>
    </message>
    <message>
        <source>%1 links to %2. eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation>%1 renvoie vers %2. eBay n&apos;autorise pas les liens qui mènent les acheteurs hors d&apos;eBay et peut supprimer l&apos;annonce.</translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln places off eBay (%2). eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation>
            <numerusform>%1 renvoie vers %Ln destination hors d&apos;eBay (%2). eBay n&apos;autorise pas les liens qui mènent les acheteurs hors d&apos;eBay et peut supprimer l&apos;annonce.</numerusform>
            <numerusform>%1 renvoie vers %Ln destinations hors d&apos;eBay (%2). eBay n&apos;autorise pas les liens qui mènent les acheteurs hors d&apos;eBay et peut supprimer l&apos;annonce.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 loads %2 off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation>%1 charge %2 hors d&apos;eBay&#xa0;: ce qui vient de là peut changer l&apos;apparence de toute l&apos;annonce ou la masquer. Placez les styles dans l&apos;annonce elle-même.</translation>
    </message>
    <message numerus="yes">
        <source>%1 loads %Ln style sheets and fonts (%2) off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation>
            <numerusform>%1 charge %Ln feuille de style ou police (%2) hors d&apos;eBay&#xa0;: ce qui vient de là peut changer l&apos;apparence de toute l&apos;annonce ou la masquer. Placez les styles dans l&apos;annonce elle-même.</numerusform>
            <numerusform>%1 charge %Ln feuilles de style et polices (%2) hors d&apos;eBay&#xa0;: ce qui vient de là peut changer l&apos;apparence de toute l&apos;annonce ou la masquer. Placez les styles dans l&apos;annonce elle-même.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the e-mail address %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>%1 contient l&apos;adresse e-mail %2. eBay n&apos;autorise pas les coordonnées dans les annonces et peut supprimer l&apos;annonce.</translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln e-mail addresses (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>
            <numerusform>%1 contient %Ln adresse e-mail (%2). eBay n&apos;autorise pas les coordonnées dans les annonces et peut supprimer l&apos;annonce.</numerusform>
            <numerusform>%1 contient %Ln adresses e-mail (%2). eBay n&apos;autorise pas les coordonnées dans les annonces et peut supprimer l&apos;annonce.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the phone number %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>%1 contient le numéro de téléphone %2. eBay n&apos;autorise pas les coordonnées dans les annonces et peut supprimer l&apos;annonce.</translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln phone numbers (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>
            <numerusform>%1 contient %Ln numéro de téléphone (%2). eBay n&apos;autorise pas les coordonnées dans les annonces et peut supprimer l&apos;annonce.</numerusform>
            <numerusform>%1 contient %Ln numéros de téléphone (%2). eBay n&apos;autorise pas les coordonnées dans les annonces et peut supprimer l&apos;annonce.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 shows a picture from an http:// address (%2). eBay shows pictures only from https:// addresses.</source>
        <translation>%1 affiche une image provenant d&apos;une adresse http:// (%2). eBay n&apos;affiche que les images provenant d&apos;adresses https://.</translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures from http:// addresses (%2). eBay shows pictures only from https:// addresses.</source>
        <translation>
            <numerusform>%1 affiche %Ln image provenant d&apos;adresses http:// (%2). eBay n&apos;affiche que les images provenant d&apos;adresses https://.</numerusform>
            <numerusform>%1 affiche %Ln images provenant d&apos;adresses http:// (%2). eBay n&apos;affiche que les images provenant d&apos;adresses https://.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 links to an http:// address (%2). eBay accepts only https:// links in listings.</source>
        <translation>%1 renvoie vers une adresse http:// (%2). eBay n&apos;accepte que des liens https:// dans les annonces.</translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln http:// addresses (%2). eBay accepts only https:// links in listings.</source>
        <translation>
            <numerusform>%1 renvoie vers %Ln adresse http:// (%2). eBay n&apos;accepte que des liens https:// dans les annonces.</numerusform>
            <numerusform>%1 renvoie vers %Ln adresses http:// (%2). eBay n&apos;accepte que des liens https:// dans les annonces.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uses %2, a web address without https: in front. On eBay&apos;s pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation>%1 utilise %2, une adresse web sans https: devant. Sur les pages d&apos;eBay, elle fonctionne&#xa0;; avec https: devant, elle fonctionne partout où l&apos;annonce est affichée.</translation>
    </message>
    <message>
        <source>%1 shows a picture that is not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation>%1 affiche une image qui n&apos;est pas en ligne (%2)&#xa0;: les acheteurs verront une image cassée. Déposez l&apos;image chez un hébergeur d&apos;images et utilisez son adresse https://.</translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures that are not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation>
            <numerusform>%1 affiche %Ln image qui n&apos;est pas en ligne (%2)&#xa0;: les acheteurs verront une image cassée. Déposez l&apos;image chez un hébergeur d&apos;images et utilisez son adresse https://.</numerusform>
            <numerusform>%1 affiche %Ln images qui ne sont pas en ligne (%2)&#xa0;: les acheteurs verront des images cassées. Déposez les images chez un hébergeur d&apos;images et utilisez leurs adresses https://.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opens a comment (&lt;!--) and never closes it: buyers see nothing of the listing after it.</source>
        <translation>%1 ouvre un commentaire (&lt;!--) sans jamais le fermer&#xa0;: les acheteurs ne voient rien de l&apos;annonce qui suit.</translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see the rest of the listing as code.</source>
        <translation>%1 ouvre un élément %2 sans jamais le fermer&#xa0;: les acheteurs voient le reste de l&apos;annonce sous forme de code.</translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see nothing of the listing after it.</source>
        <translation>%1 ouvre un élément %2 sans jamais le fermer&#xa0;: les acheteurs ne voient rien de l&apos;annonce qui suit.</translation>
    </message>
    <message>
        <source>%1 ends inside a tag (%2): the listing&apos;s own markup after it is read as part of that tag, and part of the listing breaks.</source>
        <translation>%1 se termine à l&apos;intérieur d&apos;une balise (%2)&#xa0;: le balisage propre à l&apos;annonce qui suit est lu comme faisant partie de cette balise, et une partie de l&apos;annonce est cassée.</translation>
    </message>
    <message>
        <source>%1 nests elements more than %2 deep, deeper than browsers show as written. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 imbrique des éléments sur plus de %2 niveaux, plus profondément que les navigateurs ne l&apos;affichent tel qu&apos;écrit. La vérification n&apos;a lu l&apos;annonce que jusque-là&#xa0;: ce qui suit n&apos;est pas vérifié.</translation>
    </message>
    <message>
        <source>%1 has a tag with more than %2 attributes. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 a une balise de plus de %2 attributs. La vérification n&apos;a lu l&apos;annonce que jusque-là&#xa0;: ce qui suit n&apos;est pas vérifié.</translation>
    </message>
    <message>
        <source>%1 goes past %2 elements and texts in all, more than a listing needs. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 dépasse %2 éléments et textes au total, plus qu&apos;il n&apos;en faut à une annonce. La vérification n&apos;a lu l&apos;annonce que jusque-là&#xa0;: ce qui suit n&apos;est pas vérifié.</translation>
    </message>
    <message>
        <source>Text colour %1 on background %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation>La couleur du texte %1 sur l&apos;arrière-plan %2 a un contraste de %3. Les acheteurs ont besoin d&apos;au moins %4 pour le lire, surtout sur un téléphone en plein jour.</translation>
    </message>
    <message>
        <source>Text colour %1 on the Background colour %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation>La couleur du texte %1 sur la couleur d&apos;arrière-plan %2 a un contraste de %3. Les acheteurs ont besoin d&apos;au moins %4 pour le lire, surtout sur un téléphone en plein jour.</translation>
    </message>
    <message>
        <source>No colour of the palette reads well on both the Background colour and the background picture: change one of them.</source>
        <translation>Aucune couleur de la palette ne se lit bien à la fois sur la couleur d&apos;arrière-plan et sur l&apos;image d&apos;arrière-plan&#xa0;: changez l&apos;une des deux.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2?)</source>
        <translation>«&#xa0;%1&#xa0;» (%2&#xa0;?)</translation>
    </message>
    <message>
        <source>%1 has a word the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation>%1 contient un mot que le dictionnaire ne connaît pas&#xa0;: %2. Une faute de frappe inspire moins confiance aux acheteurs, et une marque mal orthographiée n&apos;est pas trouvée par la recherche.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %Ln words the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation>
            <numerusform>%1 contient %Ln mot que le dictionnaire ne connaît pas&#xa0;: %2. Une faute de frappe inspire moins confiance aux acheteurs, et une marque mal orthographiée n&apos;est pas trouvée par la recherche.</numerusform>
            <numerusform>%1 contient %Ln mots que le dictionnaire ne connaît pas&#xa0;: %2. Une faute de frappe inspire moins confiance aux acheteurs, et une marque mal orthographiée n&apos;est pas trouvée par la recherche.</numerusform>
        </translation>
    </message>
    <message>
        <source>The phone summary has %1 characters; eBay shows %2 and drops the rest.</source>
        <translation>Le résumé pour mobile compte %1 caractères&#xa0;; eBay en affiche %2 et omet le reste.</translation>
    </message>
    <message>
        <source> and more</source>
        <translation> et d&apos;autres</translation>
    </message>
    <message>
        <source>The phone summary holds markup eBay does not take there (%1); only lists (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), line breaks and &amp;nbsp; show on a phone.</source>
        <translation>Le résumé pour mobile contient un balisage qu&apos;eBay n&apos;accepte pas à cet endroit (%1)&#xa0;; seuls les listes (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), les sauts de ligne et &amp;nbsp; s&apos;affichent sur un téléphone.</translation>
    </message>
    <message>
        <source>Buyers will not see the background until the picture is online where their browsers can load it. Click &quot;%1&quot;, upload the picture to a picture host, then pick &quot;%2&quot; in the background list and give its https address.</source>
        <translation>Les acheteurs ne verront l&apos;arrière-plan qu&apos;une fois l&apos;image en ligne, là où leurs navigateurs peuvent la charger. Cliquez sur «&#xa0;%1&#xa0;», envoyez l&apos;image chez un hébergeur d&apos;images, puis choisissez «&#xa0;%2&#xa0;» dans la liste des arrière-plans et indiquez son adresse https.</translation>
    </message>
    <message>
        <source>Buyers will not see background %1 until the picture is online where their browsers can load it. Click &quot;%2&quot;, upload the picture to a picture host, then pick &quot;%3&quot; in the background list and give its https address.</source>
        <translation>Les acheteurs ne verront l&apos;arrière-plan %1 qu&apos;une fois l&apos;image en ligne, là où leurs navigateurs peuvent la charger. Cliquez sur «&#xa0;%2&#xa0;», envoyez l&apos;image chez un hébergeur d&apos;images, puis choisissez «&#xa0;%3&#xa0;» dans la liste des arrière-plans et indiquez son adresse https.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Le titre</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>L&apos;image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Borders colour</source>
        <translation>La couleur des bordures</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>La couleur du texte</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>La couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>The credit footer</source>
        <translation>La mention en pied d&apos;annonce</translation>
    </message>
    <message>
        <source>Phone Summary</source>
        <translation>Le résumé pour mobile</translation>
    </message>
    <message>
        <source>The listing</source>
        <translation>L&apos;annonce</translation>
    </message>
    <message>
        <source>The description is %1 characters long, tags included. eBay refuses descriptions over %2 characters.</source>
        <translation>La description de l&apos;objet compte %1 caractères, balises comprises. eBay refuse les descriptions de plus de %2 caractères.</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Utiliser %1</translation>
    </message>
    <message>
        <source>Use https://</source>
        <translation>Utiliser https://</translation>
    </message>
    <message>
        <source>Put https: in front</source>
        <translation>Ajouter https: devant</translation>
    </message>
    <message>
        <source>Take the phone number out</source>
        <translation>Retirer le numéro de téléphone</translation>
    </message>
    <message numerus="yes">
        <source>Take the phone numbers out</source>
        <translation>
            <numerusform>Retirer le numéro de téléphone</numerusform>
            <numerusform>Retirer les numéros de téléphone</numerusform>
        </translation>
    </message>
    <message>
        <source>Close it with %1</source>
        <translation>Le fermer avec %1</translation>
    </message>
    <message>
        <source>Keep the credit without the link off eBay</source>
        <translation>Garder la mention sans le lien hors d&apos;eBay</translation>
    </message>
    <message>
        <source>more</source>
        <translation>d&apos;autres</translation>
    </message>
    <message>
        <source>Correct to %1</source>
        <translation>Corriger en %1</translation>
    </message>
    <message>
        <source>%1 : 1</source>
        <translation>%1&#xa0;: 1</translation>
    </message>
</context>
<context>
    <name>vellumo::FullScreenView</name>
    <message>
        <source>Phone (375 px)</source>
        <translation>Téléphone (375 px)</translation>
    </message>
    <message>
        <source>eBay description (700 px)</source>
        <translation>Description eBay (700 px)</translation>
    </message>
    <message>
        <source>Full width</source>
        <translation>Pleine largeur</translation>
    </message>
    <message>
        <source>Show the listing at:</source>
        <translation>Largeur de l&apos;annonce&#xa0;:</translation>
    </message>
    <message>
        <source>Esc closes this view</source>
        <translation>Échap ferme cette vue</translation>
    </message>
</context>
<context>
    <name>vellumo::HelpPage</name>
    <message>
        <source>Brenvik 2000 Web Site</source>
        <translation>Site web de Brenvik 2000</translation>
    </message>
    <message>
        <source>eBay Web Site</source>
        <translation>Site web d&apos;eBay</translation>
    </message>
    <message>
        <source>&amp;Join the Brenvik mailing list</source>
        <translation>&amp;Liste de diffusion Brenvik</translation>
    </message>
    <message>
        <source>Join our mailing list</source>
        <translation>Rejoindre notre liste de diffusion</translation>
    </message>
    <message>
        <source>Visit Brenvik 2000</source>
        <translation>Visiter Brenvik 2000</translation>
    </message>
    <message>
        <source>Show the notice after saving</source>
        <translation>Afficher l&apos;avis après l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Vellumo Help</source>
        <translation>Aide de Vellumo</translation>
    </message>
    <message>
        <source>Free Image Hosting Sites</source>
        <translation>Hébergeurs d&apos;images gratuits</translation>
    </message>
    <message>
        <source>You can find many more using Google</source>
        <translation>Google vous en trouvera bien d&apos;autres</translation>
    </message>
    <message>
        <source>&amp;Picture hosting…</source>
        <translation>&amp;Hébergement photos…</translation>
    </message>
    <message>
        <source>Upload your photos to your own web space (WebDAV, SFTP or FTP with TLS)</source>
        <translation>Mettez vos photos en ligne sur votre propre espace web (WebDAV, SFTP ou FTP avec TLS)</translation>
    </message>
</context>
<context>
    <name>vellumo::HelpWindow</name>
    <message>
        <source>Vellumo Help</source>
        <translation>Aide de Vellumo</translation>
    </message>
</context>
<context>
    <name>vellumo::ListingCheckDialog</name>
    <message>
        <source>eBay blocks this</source>
        <translation>eBay bloque ceci</translation>
    </message>
    <message>
        <source>Buyers will not see this</source>
        <translation>Les acheteurs ne verront pas ceci</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Before this listing is saved and copied for eBay, look at what Vellumo found in it:</source>
        <translation>Avant que cette annonce soit enregistrée et copiée pour eBay, regardez ce que Vellumo y a trouvé&#xa0;:</translation>
    </message>
    <message>
        <source>Copy anyway</source>
        <translation>Copier quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>vellumo::MainWindow</name>
    <message>
        <source>Incorrect Format:

%1</source>
        <translation>Format incorrect&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Save changes to the design before closing?</source>
        <translation>Enregistrer les modifications de la conception avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Please select a Template Style, fill in the title and all other fields before previewing.  Alternatively you may load an existing template from the My Templates tab.    </source>
        <translation>Veuillez choisir un style de modèle, puis remplir le titre et tous les autres champs avant l&apos;aperçu.  Vous pouvez aussi charger un modèle existant depuis l&apos;onglet «&#xa0;Mes modèles&#xa0;».    </translation>
    </message>
    <message>
        <source>The https address of your background picture, once it is on a picture host:</source>
        <translation>L&apos;adresse https de votre image d&apos;arrière-plan, une fois qu&apos;elle est chez un hébergeur d&apos;images&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the background: it must be a whole https:// address (buyers&apos; browsers show no picture from other addresses), without blanks or quotes. The background stays as it was.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir d&apos;arrière-plan&#xa0;: il faut une adresse https:// complète (les navigateurs des acheteurs n&apos;affichent aucune image provenant d&apos;autres adresses), sans espaces ni guillemets. L&apos;arrière-plan reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Your choice could not be saved in %1: %2.</source>
        <translation>Votre choix n&apos;a pas pu être enregistré dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>vellumo::Palette</name>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert vif</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Noir</translation>
    </message>
</context>
<context>
    <name>vellumo::PickerLists</name>
    <message>
        <source>Select Template</source>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>2 Alternating Photos</source>
        <translation>2 photos en alternance</translation>
    </message>
    <message>
        <source>2 Inline Photos</source>
        <translation>2 photos à gauche</translation>
    </message>
    <message>
        <source>3 Alternating Photos</source>
        <translation>3 photos en alternance</translation>
    </message>
    <message>
        <source>3 Inline Photos</source>
        <translation>3 photos à gauche</translation>
    </message>
    <message>
        <source>4 Alternating Photos</source>
        <translation>4 photos en alternance</translation>
    </message>
    <message>
        <source>4 Inline Photos</source>
        <translation>4 photos à gauche</translation>
    </message>
    <message>
        <source>5 Alternating Photos</source>
        <translation>5 photos en alternance</translation>
    </message>
    <message>
        <source>5 Inline Photos</source>
        <translation>5 photos à gauche</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Aucun arrière-plan</translation>
    </message>
    <message>
        <source>Your own picture…</source>
        <translation>Votre propre image…</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureBoxUpload</name>
    <message>
        <source>Upload photo…</source>
        <translation>Mettre en ligne…</translation>
    </message>
    <message>
        <source>Choose a photo on this computer: Vellumo uploads it to your picture hosting and puts its address here. You can also drop photos on the box.</source>
        <translation>Choisissez une photo sur cet ordinateur&#xa0;: Vellumo la met en ligne sur votre hébergement de photos et inscrit son adresse ici. Vous pouvez aussi déposer des photos sur le champ.</translation>
    </message>
    <message>
        <source>Uploading the photo… %p%</source>
        <translation>Envoi de la photo… %p&#xa0;%</translation>
    </message>
    <message>
        <source>Cancel upload</source>
        <translation>Annuler l&apos;envoi</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHosting</name>
    <message>
        <source>Photos to upload</source>
        <translation>Photos à mettre en ligne</translation>
    </message>
    <message>
        <source>%1 photos were given, but the layout has only %2 empty picture boxes left: the other %3 were not uploaded.</source>
        <translation>%1 photos ont été données, mais la mise en page n&apos;a plus que %2 champs d&apos;image vides&#xa0;: les %3 autres n&apos;ont pas été mises en ligne.</translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; on %2 (Vellumo keeps it in the desktop&apos;s keyring, or in memory until it closes where there is no keyring):</source>
        <translation>Le mot de passe de «&#xa0;%1&#xa0;» sur %2 (Vellumo le garde dans le trousseau du bureau ou, à défaut, en mémoire jusqu&apos;à sa fermeture)&#xa0;:</translation>
    </message>
    <message>
        <source>The picture hosting settings could not be saved in %1: %2.</source>
        <translation>Les réglages de l&apos;hébergement des photos n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHostingDialog</name>
    <message>
        <source>Compare it with the fingerprint your hosting provider publishes for its SFTP server. Trust this server and remember its key?</source>
        <translation>Comparez-la à l&apos;empreinte que votre hébergeur publie pour son serveur SFTP. Faire confiance à ce serveur et retenir sa clé&#xa0;?</translation>
    </message>
    <message>
        <source>Picture Hosting</source>
        <translation>Hébergement des photos</translation>
    </message>
    <message>
        <source>Vellumo uploads your photos to your own web space and puts their https addresses into the picture boxes. Most hosting packages offer WebDAV, SFTP or FTP with TLS: your provider&apos;s help pages name the server, and the web address of each folder.</source>
        <translation>Vellumo met vos photos en ligne sur votre propre espace web et inscrit leurs adresses https dans les champs d&apos;image. La plupart des offres d&apos;hébergement proposent WebDAV, SFTP ou FTP avec TLS&#xa0;: les pages d&apos;aide de votre hébergeur indiquent le serveur et l&apos;adresse web de chaque dossier.</translation>
    </message>
    <message>
        <source>Upload with:</source>
        <translation>Envoyer via&#xa0;:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nom d&apos;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>kept in your desktop&apos;s keyring</source>
        <translation>conservé dans le trousseau de votre bureau</translation>
    </message>
    <message>
        <source>Folder on the server:</source>
        <translation>Dossier sur le serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Its public address:</source>
        <translation>Son adresse publique&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>Uploads a small file, loads it from the public address and removes it</source>
        <translation>Envoie un petit fichier, le charge depuis l&apos;adresse publique et le supprime</translation>
    </message>
    <message>
        <source>Testing…</source>
        <translation>Test en cours…</translation>
    </message>
    <message>
        <source>The test worked: a small file went to the server, came back unchanged from %1 and was removed again.</source>
        <translation>Le test a réussi&#xa0;: un petit fichier est allé sur le serveur, est revenu intact depuis %1 et a été supprimé.</translation>
    </message>
</context>
<context>
    <name>vellumo::PreviewPage</name>
    <message>
        <source>This preview is for checking colors only and the listing may appear distorted.  To see how the listing will actually look click the Full Screen button.  To save the finished Template and code click the Save button.</source>
        <translation>Cet aperçu sert seulement à vérifier les couleurs et l&apos;annonce peut y paraître déformée.  Pour voir son vrai aspect, cliquez sur «&#xa0;Plein écran&#xa0;».  Pour enregistrer le modèle et le code, cliquez sur «&#xa0;Enregistrer&#xa0;».</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the template and copy the code to the clipboard</source>
        <translation>Enregistrer le modèle et copier le code dans le presse-papiers</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Preview your listing full screen</source>
        <translation>Voir l&apos;annonce en plein écran</translation>
    </message>
    <message>
        <source>Phone-friendly layout</source>
        <translation>Mise en page adaptée aux mobiles</translation>
    </message>
    <message>
        <source>Pictures scale down and long words wrap, so the listing fits a phone&apos;s screen; on a wide screen it looks the same</source>
        <translation>Les images se réduisent et les mots longs passent à la ligne&#xa0;: l&apos;annonce tient sur l&apos;écran d&apos;un téléphone&#xa0;; sur un grand écran, elle ne change pas</translation>
    </message>
</context>
<context>
    <name>vellumo::RunningInstance</name>
    <message>
        <source>Vellumo is already running on your designs (in %1), but it does not answer.

If its window is hidden or no longer responds, close it, or end Vellumo in your system monitor, then start Vellumo again.</source>
        <translation>Vellumo est déjà ouvert sur vos conceptions (dans %1), mais il ne répond pas.

Si sa fenêtre est cachée ou ne réagit plus, fermez-la, ou arrêtez Vellumo dans votre moniteur système, puis relancez Vellumo.</translation>
    </message>
</context>
<context>
    <name>vellumo::SavedNotice</name>
    <message>
        <source>Template Saved</source>
        <translation>Modèle enregistré</translation>
    </message>
    <message>
        <source>Your Template and Html code file have been saved and are available in the My Templates tab.</source>
        <translation>Votre modèle et le fichier de code HTML sont enregistrés dans l&apos;onglet «&#xa0;Mes modèles&#xa0;».</translation>
    </message>
    <message>
        <source>The HTML code has been copied to the clipboard and saved in My Templates. In eBay&apos;s listing form, switch the description editor to HTML and paste it there.</source>
        <translation>Le code HTML est dans le presse-papiers et dans «&#xa0;Mes modèles&#xa0;». Dans le formulaire de mise en vente d&apos;eBay, passez la description en mode HTML et collez-le.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
</context>
<context>
    <name>vellumo::Spelling</name>
    <message>
        <source>Spelling is off: the %1 dictionary could not be opened (%2/%3.dic: %4). Install the Debian package %5 to check spelling in %1.</source>
        <translation>L&apos;orthographe n&apos;est pas vérifiée&#xa0;: le dictionnaire %1 n&apos;a pas pu être ouvert (%2/%3.dic&#xa0;: %4). Installez le paquet Debian %5 pour vérifier l&apos;orthographe en %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added to your words in %2: %3.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être ajouté à vos mots dans %2&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>vellumo::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Aucune suggestion</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>vellumo::SummaryDialog</name>
    <message>
        <source>Phone Summary</source>
        <translation>Résumé pour mobile</translation>
    </message>
    <message>
        <source>eBay&apos;s apps and phone pages show this summary first, before the buyer opens the full description. Keep it to the points a buyer decides on. Plain text and line breaks; lists (&amp;lt;ul&amp;gt;, &amp;lt;ol&amp;gt;, &amp;lt;li&amp;gt;), &amp;lt;br&amp;gt; and &amp;amp;nbsp; are the only markup eBay takes. Leave it empty for none.</source>
        <translation>Les applications et les pages mobiles d&apos;eBay montrent d&apos;abord ce résumé, avant que l&apos;acheteur n&apos;ouvre la description complète. Tenez-vous-en aux points sur lesquels un acheteur se décide. Texte simple et sauts de ligne&#xa0;; les listes (&amp;lt;ul&amp;gt;, &amp;lt;ol&amp;gt;, &amp;lt;li&amp;gt;), &amp;lt;br&amp;gt; et &amp;amp;nbsp; sont le seul balisage qu&apos;eBay accepte. Laissez-le vide si vous n&apos;en voulez pas.</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 caractères sur %2</translation>
    </message>
</context>
<context>
    <name>vellumo::TemplatesPage</name>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>at %1 it is too large to be a template (a template file holds at most %2)</source>
        <translation>avec %1, il est trop gros pour un modèle (un fichier de modèle fait au plus %2)</translation>
    </message>
    <message>
        <source>Saved Templates</source>
        <translation>Modèles enregistrés</translation>
    </message>
    <message>
        <source>Saved Html Codes for Listings</source>
        <translation>Codes HTML enregistrés des annonces</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected template and file</source>
        <translation>Supprimer le modèle et le fichier sélectionnés</translation>
    </message>
    <message>
        <source>Load selected template</source>
        <translation>Charger le modèle choisi</translation>
    </message>
    <message>
        <source>Open selected file</source>
        <translation>Ouvrir le fichier sélectionné</translation>
    </message>
    <message>
        <source>Name of Template to Save</source>
        <translation>Nom du modèle à enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save template and file as</source>
        <translation>Enregistrer le modèle et le fichier sous</translation>
    </message>
    <message>
        <source>Please select a template to load     </source>
        <translation>Veuillez choisir un modèle à charger     </translation>
    </message>
    <message>
        <source>%1 is not a template Vellumo can load: the name of a template ends in 2, 3, 4 or 5, the number of its photos.</source>
        <translation>%1 n&apos;est pas un modèle que Vellumo peut charger&#xa0;: le nom d&apos;un modèle se termine par 2, 3, 4 ou 5, son nombre de photos.</translation>
    </message>
    <message>
        <source>The template %1 is no longer in My Templates; nothing was loaded. The lists now show what the folder holds.</source>
        <translation>Le modèle %1 n&apos;est plus dans «&#xa0;Mes modèles&#xa0;»&#xa0;; rien n&apos;a été chargé. Les listes montrent maintenant ce que contient le dossier.</translation>
    </message>
    <message>
        <source>The template %1 could not be read: %2. Nothing was loaded.</source>
        <translation>Le modèle %1 n&apos;a pas pu être lu&#xa0;: %2. Rien n&apos;a été chargé.</translation>
    </message>
    <message>
        <source>%1 is not a Vellumo template: no [%2] section. Nothing was loaded.</source>
        <translation>%1 n&apos;est pas un modèle Vellumo&#xa0;: aucune section [%2]. Rien n&apos;a été chargé.</translation>
    </message>
    <message>
        <source>The template %1 holds colour values that are not colours (%2). Vellumo uses the default colours instead.</source>
        <translation>Le modèle %1 contient des valeurs de couleur qui ne sont pas des couleurs (%2). Vellumo utilise à la place les couleurs par défaut.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>A design named %1 is saved already. Replace it?</source>
        <translation>Une conception nommée %1 est déjà enregistrée. La remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Please select a Template Style and fill in its fields before saving.</source>
        <translation>Veuillez choisir un style de modèle et remplir ses champs avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Please type a name for the template in &quot;%1&quot;.</source>
        <translation>Veuillez saisir un nom pour le modèle dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The name %1 is too long for a file name: a template name may have at most %2 bytes (an accented letter takes two), and this one has %3. Please shorten it.</source>
        <translation>Le nom %1 est trop long pour un nom de fichier&#xa0;: un nom de modèle peut avoir au plus %2 octets (une lettre accentuée en prend deux), et celui-ci en a %3. Veuillez le raccourcir.</translation>
    </message>
    <message>
        <source>The template %1 could not be saved in %2: %3. Nothing was copied to the clipboard.</source>
        <translation>Le modèle %1 n&apos;a pas pu être enregistré dans %2&#xa0;: %3. Rien n&apos;a été copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Please select a template or code file to delete.</source>
        <translation>Veuillez choisir un modèle ou un fichier de code à supprimer.</translation>
    </message>
    <message>
        <source>Delete the design %1, its template and its Html code file?</source>
        <translation>Supprimer la conception %1, son modèle et son fichier de code HTML&#xa0;?</translation>
    </message>
    <message>
        <source>Delete the template %1?</source>
        <translation>Supprimer le modèle %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete the Html code file %1?</source>
        <translation>Supprimer le fichier de code HTML %1&#xa0;?</translation>
    </message>
    <message>
        <source>Not everything could be deleted from %1: %2. The lists show what is left.</source>
        <translation>Tout n&apos;a pas pu être supprimé de %1&#xa0;: %2. Les listes montrent ce qui reste.</translation>
    </message>
    <message>
        <source>Please select an Html code file to open.</source>
        <translation>Veuillez choisir un fichier de code HTML à ouvrir.</translation>
    </message>
    <message>
        <source>The Html code file %1 is no longer in My Templates. The lists now show what the folder holds.</source>
        <translation>Le fichier de code HTML %1 n&apos;est plus dans «&#xa0;Mes modèles&#xa0;». Les listes montrent maintenant ce que contient le dossier.</translation>
    </message>
    <message>
        <source>no program for text files is set up on this computer</source>
        <translation>aucun programme pour les fichiers texte n&apos;est configuré sur cet ordinateur</translation>
    </message>
    <message>
        <source>The Html code file %1 could not be opened: %2. You will find it at
%3</source>
        <translation>Le fichier de code HTML %1 n&apos;a pas pu être ouvert&#xa0;: %2. Vous le trouverez ici&#xa0;:
%3</translation>
    </message>
</context>
<context>
    <name>vellumo::UploadTexts</name>
    <message>
        <source>Plain FTP is not offered: it sends your password and your photos unencrypted. Choose &quot;%1&quot; or SFTP; most hosting packages offer both.</source>
        <translation>Le FTP simple n&apos;est pas proposé&#xa0;: il envoie votre mot de passe et vos photos sans chiffrement. Choisissez «&#xa0;%1&#xa0;» ou SFTP&#xa0;; la plupart des offres d&apos;hébergement proposent les deux.</translation>
    </message>
    <message>
        <source>WebDAV over http is not offered: it sends your password and your photos unencrypted. Use the server&apos;s https address.</source>
        <translation>WebDAV via http n&apos;est pas proposé&#xa0;: il envoie votre mot de passe et vos photos sans chiffrement. Utilisez l&apos;adresse https du serveur.</translation>
    </message>
    <message>
        <source>Please give the server&apos;s name, such as dav.example.com.</source>
        <translation>Veuillez indiquer le nom du serveur, par exemple dav.example.com.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name: give only the name, such as dav.example.com, and the port in its own box.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de serveur&#xa0;: indiquez seulement le nom, par exemple dav.example.com, et le port dans sa propre case.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535, or empty for the usual one.</source>
        <translation>Le port doit être un nombre de 1 à 65535, ou rester vide pour le port habituel.</translation>
    </message>
    <message>
        <source>Please give the user name of your hosting account.</source>
        <translation>Veuillez indiquer le nom d&apos;utilisateur de votre compte d&apos;hébergement.</translation>
    </message>
    <message>
        <source>The public address must begin with https://: eBay shows no pictures from http:// addresses.</source>
        <translation>L&apos;adresse publique doit commencer par https://&#xa0;: eBay n&apos;affiche aucune image provenant d&apos;adresses http://.</translation>
    </message>
    <message>
        <source>Please give the public address where buyers&apos; browsers find the folder&apos;s pictures, such as https://www.example.com/photos/.</source>
        <translation>Veuillez indiquer l&apos;adresse publique où les navigateurs des acheteurs trouvent les images du dossier, par exemple https://www.example.com/photos/.</translation>
    </message>
    <message>
        <source>The upload could not start: libcurl did not initialise.</source>
        <translation>L&apos;envoi n&apos;a pas pu commencer&#xa0;: libcurl ne s&apos;est pas initialisée.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name &quot;%2&quot; or its password. Check them under Picture hosting.</source>
        <translation>Le serveur %1 a refusé le nom d&apos;utilisateur «&#xa0;%2&#xa0;» ou son mot de passe. Vérifiez-les dans «&#xa0;Hébergement des photos&#xa0;».</translation>
    </message>
    <message>
        <source>The SFTP server %1 is not known yet. It identifies itself with the key %2.</source>
        <translation>Le serveur SFTP %1 n&apos;est pas encore connu. Il s&apos;identifie avec la clé %2.</translation>
    </message>
    <message>
        <source>The SFTP server %1 no longer shows the key you trusted before; it now shows %2. A reinstalled server does this, and so does someone listening in between. The upload was refused. Once your hosting provider confirms the new key, remove the line of this server from %3 and try again.</source>
        <translation>Le serveur SFTP %1 ne présente plus la clé à laquelle vous avez fait confiance&#xa0;; il présente maintenant %2. C&apos;est ce que fait un serveur réinstallé, mais aussi quelqu&apos;un qui écoute entre les deux. L&apos;envoi a été refusé. Une fois que votre hébergeur a confirmé la nouvelle clé, retirez la ligne de ce serveur de %3 et réessayez.</translation>
    </message>
    <message>
        <source>The key of %1 could not be kept in %2: %3.</source>
        <translation>La clé de %1 n&apos;a pas pu être conservée dans %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The connection to %1 is not trusted: %2. Nothing was sent. Ask your hosting provider for a certificate this computer trusts.</source>
        <translation>La connexion à %1 n&apos;est pas de confiance&#xa0;: %2. Rien n&apos;a été envoyé. Demandez à votre hébergeur un certificat auquel cet ordinateur fait confiance.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2.</source>
        <translation>Le serveur %1 n&apos;a pas pu être joint&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The server %1 stopped answering: %2.</source>
        <translation>Le serveur %1 a cessé de répondre&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The server %1 has no room for the photo (%2). Free some space in your web space and try again.</source>
        <translation>Le serveur %1 n&apos;a pas de place pour la photo (%2). Libérez de l&apos;espace dans votre espace web et réessayez.</translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 answers 404 Not Found: the public address does not lead to the folder &quot;%2&quot;. Check both under Picture hosting.</source>
        <translation>La photo est sur le serveur, mais %1 répond 404 Not Found&#xa0;: l&apos;adresse publique ne mène pas au dossier «&#xa0;%2&#xa0;». Vérifiez les deux dans «&#xa0;Hébergement des photos&#xa0;».</translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 gives back something else than was sent: the public address does not lead to the folder &quot;%2&quot;. Check both under Picture hosting.</source>
        <translation>La photo est sur le serveur, mais %1 renvoie autre chose que ce qui a été envoyé&#xa0;: l&apos;adresse publique ne mène pas au dossier «&#xa0;%2&#xa0;». Vérifiez les deux dans «&#xa0;Hébergement des photos&#xa0;».</translation>
    </message>
    <message>
        <source>The upload was cancelled; nothing was changed.</source>
        <translation>L&apos;envoi a été annulé&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2 (answer %3).</source>
        <translation>Le serveur %1 a refusé l&apos;envoi&#xa0;: %2 (réponse %3).</translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2.</source>
        <translation>Le serveur %1 a refusé l&apos;envoi&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a photo Vellumo can read: it takes JPEG, PNG and WebP pictures.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une photo que Vellumo sait lire&#xa0;: il accepte les images JPEG, PNG et WebP.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: its picture data is incomplete.</source>
        <translation>«&#xa0;%1&#xa0;» est endommagé&#xa0;: ses données d&apos;image sont incomplètes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 megapixels; Vellumo takes photos of up to %3 megapixels.</source>
        <translation>«&#xa0;%1&#xa0;» compte %2 mégapixels&#xa0;; Vellumo accepte les photos jusqu&apos;à %3 mégapixels.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels; eBay asks for at least %4 pixels on the longest side. Please use a larger photo.</source>
        <translation>«&#xa0;%1&#xa0;» fait %2 x %3 pixels&#xa0;; eBay demande au moins %4 pixels sur le côté le plus long. Veuillez utiliser une photo plus grande.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: %2.</source>
        <translation>«&#xa0;%1&#xa0;» est endommagé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be converted: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être converti&#xa0;: %2.</translation>
    </message>
    <message>
        <source>WebDAV over https</source>
        <translation>WebDAV via https</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>FTP with TLS (FTPS)</source>
        <translation>FTP avec TLS (FTPS)</translation>
    </message>
    <message>
        <source>The photo is on the server, but its public address %1 could not be loaded. %2</source>
        <translation>La photo est sur le serveur, mais son adresse publique %1 n&apos;a pas pu être chargée. %2</translation>
    </message>
</context>
<context>
    <name>vellumo::WindowFrame</name>
    <message>
        <source>Design</source>
        <translation>Conception</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>My Templates</source>
        <translation>Mes modèles</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Aide/À propos</translation>
    </message>
</context>
</TS>
