<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>vellumo::ColourStrip</name>
    <message>
        <source>Select Colors</source>
        <translation>Elegir colores</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordes</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Sin fondo</translation>
    </message>
    <message>
        <source>Export backgrounds…</source>
        <translation>Exportar fondos…</translation>
    </message>
    <message>
        <source>Save the full-size background pictures in a folder, ready to upload to a picture host</source>
        <translation>Guarda las imágenes de fondo a tamaño completo en una carpeta, listas para subirlas a un servicio de alojamiento de imágenes</translation>
    </message>
    <message>
        <source>The chosen background</source>
        <translation>El fondo elegido</translation>
    </message>
    <message>
        <source>All %1 backgrounds</source>
        <translation>Los %1 fondos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Background %1</source>
        <translation>Fondo %1</translation>
    </message>
    <message>
        <source>Export backgrounds to</source>
        <translation>Exportar los fondos a</translation>
    </message>
    <message>
        <source>1 of the pictures is in %1 already. Replace them?</source>
        <translation>Una de las imágenes ya está en %1. ¿Reemplazarla?</translation>
    </message>
    <message numerus="yes">
        <source>%n of the pictures are in %1 already. Replace them?</source>
        <translation>
            <numerusform>%n de las imágenes ya está en %1. ¿Reemplazarla?</numerusform>
            <numerusform>%n de las imágenes ya están en %1. ¿Reemplazarlas?</numerusform>
        </translation>
    </message>
    <message>
        <source>The backgrounds could not be saved in %1: %2.</source>
        <translation>No se han podido guardar los fondos en %1: %2.</translation>
    </message>
    <message>
        <source>Background %1 is saved in %2 as %3.</source>
        <translation>El fondo %1 está guardado en %2 como %3.</translation>
    </message>
    <message>
        <source>The %1 backgrounds are saved in %2, as %3 to %4.</source>
        <translation>Los %1 fondos están guardados en %2, de %3 a %4.</translation>
    </message>
    <message>
        <source>Upload the picture you want to a picture host, then pick &quot;%1&quot; in the background list and give its https address: buyers see the background from there.</source>
        <translation>Sube la imagen que quieras a un servicio de alojamiento de imágenes, luego elige «%1» en la lista de fondos e indica su dirección https: los compradores ven el fondo desde ahí.</translation>
    </message>
</context>
<context>
    <name>vellumo::DesignPage</name>
    <message>
        <source>Product Title</source>
        <translation>Título del artículo</translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation>Primer párrafo</translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation>Segundo párrafo</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>Primera imagen</translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation>Segunda imagen</translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation>Tercer párrafo</translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation>Tercera imagen</translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation>Cuarto párrafo</translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation>Quinto párrafo</translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation>Quinta imagen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>eBay&apos;s phone summary: up to %1 characters that buyers on a phone see first</source>
        <translation>El resumen para móviles de eBay: hasta %1 caracteres que los compradores ven primero en el móvil</translation>
    </message>
    <message>
        <source>Spelling:</source>
        <translation>Ortografía:</translation>
    </message>
    <message>
        <source>The language of your listing: the title, paragraphs and summary are spell-checked in it, and the check before Save looks for phone numbers as its eBay site&apos;s country writes them</source>
        <translation>El idioma de tu anuncio: el título, los párrafos y el resumen se revisan en este idioma, y la comprobación antes de guardar busca los números de teléfono tal como los escribe el país de su sitio de eBay</translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation>Cuarta imagen</translation>
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
        <translation> y </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>First Picture</source>
        <translation>La primera imagen</translation>
    </message>
    <message>
        <source>First Paragraph</source>
        <translation>El primer párrafo</translation>
    </message>
    <message>
        <source>Second Picture</source>
        <translation>La segunda imagen</translation>
    </message>
    <message>
        <source>Second Paragraph</source>
        <translation>El segundo párrafo</translation>
    </message>
    <message>
        <source>Third Picture</source>
        <translation>La tercera imagen</translation>
    </message>
    <message>
        <source>Third Paragraph</source>
        <translation>El tercer párrafo</translation>
    </message>
    <message>
        <source>Fourth Picture</source>
        <translation>La cuarta imagen</translation>
    </message>
    <message>
        <source>Fourth Paragraph</source>
        <translation>El cuarto párrafo</translation>
    </message>
    <message>
        <source>Fifth Picture</source>
        <translation>La quinta imagen</translation>
    </message>
    <message>
        <source>Fifth Paragraph</source>
        <translation>El quinto párrafo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln more</source>
        <translation>
            <numerusform>%Ln más</numerusform>
            <numerusform>%Ln más</numerusform>
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
            <numerusform>%Ln elementos %1</numerusform>
        </translation>
    </message>
    <message>
        <source>an %1 attribute</source>
        <translation>un atributo %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 attributes</source>
        <translation>
            <numerusform>%Ln atributo %1</numerusform>
            <numerusform>%Ln atributos %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 address</source>
        <translation>una dirección %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln %1 addresses</source>
        <translation>
            <numerusform>%Ln dirección %1</numerusform>
            <numerusform>%Ln direcciones %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other kinds</source>
        <translation>
            <numerusform>%n tipo más</numerusform>
            <numerusform>%n tipos más</numerusform>
        </translation>
    </message>
    <message>
        <source>a font from %1</source>
        <translation>una fuente de %1</translation>
    </message>
    <message>
        <source>a style sheet from %1</source>
        <translation>una hoja de estilo de %1</translation>
    </message>
    <message>
        <source>%1 has no address: buyers will see a broken picture.</source>
        <translation>%1 no tiene dirección: los compradores verán una imagen rota.</translation>
    </message>
    <message>
        <source>%1 still reads &quot;Default&quot; (its template was incomplete): buyers will see a broken picture.</source>
        <translation>%1 todavía dice «Default» (su plantilla estaba incompleta): los compradores verán una imagen rota.</translation>
    </message>
    <message>
        <source>%1 is a file on this computer (%2). Buyers cannot see it: put the picture on a picture host and use its https:// address.</source>
        <translation>%1 es un archivo de este ordenador (%2). Los compradores no pueden verlo: pon la imagen en un servicio de alojamiento de imágenes y usa su dirección https://.</translation>
    </message>
    <message>
        <source>%1 uses an http:// address. eBay shows pictures only from https:// addresses.</source>
        <translation>%1 usa una dirección http://. eBay solo muestra imágenes de direcciones https://.</translation>
    </message>
    <message>
        <source>%1 (%2) is a web address without https: in front. On eBay&apos;s pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation>%1 (%2) es una dirección web sin https: delante. En las páginas de eBay funciona; con https: delante funciona dondequiera que se muestre el anuncio.</translation>
    </message>
    <message>
        <source>%1 is not a web address (%2): buyers will see a broken picture.</source>
        <translation>%1 no es una dirección web (%2): los compradores verán una imagen rota.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>%1 still reads &quot;Default&quot;: its template was incomplete. Type the text you want.</source>
        <translation>%1 todavía dice «Default»: su plantilla estaba incompleta. Escribe el texto que quieras.</translation>
    </message>
    <message>
        <source>%1 is &quot;%2&quot;, not a colour written as # and six hexadecimal digits: buyers&apos; browsers show some other colour.</source>
        <translation>%1 es «%2», no un color escrito como # y seis cifras hexadecimales: los navegadores de los compradores muestran otro color.</translation>
    </message>
    <message>
        <source>%1 contains %2. eBay refuses listings with active content (&quot;Disallowed JavaScript/HTML Syntax&quot;).</source>
        <translation>%1 contiene %2. eBay rechaza los anuncios con contenido activo («Disallowed JavaScript/HTML Syntax»).</translation>
    </message>
    <message>
        <source>%1 links to %2. eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation>%1 enlaza a %2. eBay no permite enlaces que lleven a los compradores fuera de eBay y puede eliminar el anuncio.</translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln places off eBay (%2). eBay does not allow links that lead buyers off eBay, and may remove the listing.</source>
        <translation>
            <numerusform>%1 enlaza a %Ln sitio fuera de eBay (%2). eBay no permite enlaces que lleven a los compradores fuera de eBay y puede eliminar el anuncio.</numerusform>
            <numerusform>%1 enlaza a %Ln sitios fuera de eBay (%2). eBay no permite enlaces que lleven a los compradores fuera de eBay y puede eliminar el anuncio.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 loads %2 off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation>%1 carga %2 de fuera de eBay: lo que viene de ahí puede cambiar el aspecto de todo el anuncio u ocultarlo. Pon los estilos en el propio anuncio.</translation>
    </message>
    <message numerus="yes">
        <source>%1 loads %Ln style sheets and fonts (%2) off eBay: what comes from there can restyle or hide the whole listing. Put the styles into the listing itself.</source>
        <translation>
            <numerusform>%1 carga %Ln hoja de estilo o fuente (%2) de fuera de eBay: lo que viene de ahí puede cambiar el aspecto de todo el anuncio u ocultarlo. Pon los estilos en el propio anuncio.</numerusform>
            <numerusform>%1 carga %Ln hojas de estilo y fuentes (%2) de fuera de eBay: lo que viene de ahí puede cambiar el aspecto de todo el anuncio u ocultarlo. Pon los estilos en el propio anuncio.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the e-mail address %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>%1 contiene la dirección de correo electrónico %2. eBay no permite datos de contacto en los anuncios y puede eliminar el anuncio.</translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln e-mail addresses (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>
            <numerusform>%1 contiene %Ln dirección de correo electrónico (%2). eBay no permite datos de contacto en los anuncios y puede eliminar el anuncio.</numerusform>
            <numerusform>%1 contiene %Ln direcciones de correo electrónico (%2). eBay no permite datos de contacto en los anuncios y puede eliminar el anuncio.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 contains the phone number %2. eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>%1 contiene el número de teléfono %2. eBay no permite datos de contacto en los anuncios y puede eliminar el anuncio.</translation>
    </message>
    <message numerus="yes">
        <source>%1 contains %Ln phone numbers (%2). eBay does not allow contact details in listings, and may remove the listing.</source>
        <translation>
            <numerusform>%1 contiene %Ln número de teléfono (%2). eBay no permite datos de contacto en los anuncios y puede eliminar el anuncio.</numerusform>
            <numerusform>%1 contiene %Ln números de teléfono (%2). eBay no permite datos de contacto en los anuncios y puede eliminar el anuncio.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 shows a picture from an http:// address (%2). eBay shows pictures only from https:// addresses.</source>
        <translation>%1 muestra una imagen de una dirección http:// (%2). eBay solo muestra imágenes de direcciones https://.</translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures from http:// addresses (%2). eBay shows pictures only from https:// addresses.</source>
        <translation>
            <numerusform>%1 muestra %Ln imagen de direcciones http:// (%2). eBay solo muestra imágenes de direcciones https://.</numerusform>
            <numerusform>%1 muestra %Ln imágenes de direcciones http:// (%2). eBay solo muestra imágenes de direcciones https://.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 links to an http:// address (%2). eBay accepts only https:// links in listings.</source>
        <translation>%1 enlaza a una dirección http:// (%2). eBay solo acepta enlaces https:// en los anuncios.</translation>
    </message>
    <message numerus="yes">
        <source>%1 links to %Ln http:// addresses (%2). eBay accepts only https:// links in listings.</source>
        <translation>
            <numerusform>%1 enlaza a %Ln dirección http:// (%2). eBay solo acepta enlaces https:// en los anuncios.</numerusform>
            <numerusform>%1 enlaza a %Ln direcciones http:// (%2). eBay solo acepta enlaces https:// en los anuncios.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 uses %2, a web address without https: in front. On eBay&apos;s pages it works; with https: in front it works wherever the listing is shown.</source>
        <translation>%1 usa %2, una dirección web sin https: delante. En las páginas de eBay funciona; con https: delante funciona dondequiera que se muestre el anuncio.</translation>
    </message>
    <message>
        <source>%1 shows a picture that is not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation>%1 muestra una imagen que no está en internet (%2): los compradores verán una imagen rota. Pon la imagen en un servicio de alojamiento de imágenes y usa su dirección https://.</translation>
    </message>
    <message numerus="yes">
        <source>%1 shows %Ln pictures that are not on the web (%2): buyers will see a broken picture. Put the picture on a picture host and use its https:// address.</source>
        <translation>
            <numerusform>%1 muestra %Ln imagen que no está en internet (%2): los compradores verán una imagen rota. Pon la imagen en un servicio de alojamiento de imágenes y usa su dirección https://.</numerusform>
            <numerusform>%1 muestra %Ln imágenes que no están en internet (%2): los compradores verán imágenes rotas. Pon las imágenes en un servicio de alojamiento de imágenes y usa sus direcciones https://.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opens a comment (&lt;!--) and never closes it: buyers see nothing of the listing after it.</source>
        <translation>%1 abre un comentario (&lt;!--) y nunca lo cierra: los compradores no ven nada del anuncio que viene después.</translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see the rest of the listing as code.</source>
        <translation>%1 abre un elemento %2 y nunca lo cierra: los compradores ven el resto del anuncio como código.</translation>
    </message>
    <message>
        <source>%1 opens a %2 element and never closes it: buyers see nothing of the listing after it.</source>
        <translation>%1 abre un elemento %2 y nunca lo cierra: los compradores no ven nada del anuncio que viene después.</translation>
    </message>
    <message>
        <source>%1 ends inside a tag (%2): the listing&apos;s own markup after it is read as part of that tag, and part of the listing breaks.</source>
        <translation>%1 termina dentro de una etiqueta (%2): el marcado propio del anuncio que sigue se lee como parte de esa etiqueta, y una parte del anuncio se rompe.</translation>
    </message>
    <message>
        <source>%1 nests elements more than %2 deep, deeper than browsers show as written. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 anida elementos a más de %2 niveles, más de lo que los navegadores muestran tal como está escrito. La comprobación ha leído el anuncio solo hasta ahí: lo que viene después no está comprobado.</translation>
    </message>
    <message>
        <source>%1 has a tag with more than %2 attributes. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 tiene una etiqueta con más de %2 atributos. La comprobación ha leído el anuncio solo hasta ahí: lo que viene después no está comprobado.</translation>
    </message>
    <message>
        <source>%1 goes past %2 elements and texts in all, more than a listing needs. The check read the listing only up to there: what comes after it is not checked.</source>
        <translation>%1 supera en total los %2 elementos y textos, más de lo que necesita un anuncio. La comprobación ha leído el anuncio solo hasta ahí: lo que viene después no está comprobado.</translation>
    </message>
    <message>
        <source>Text colour %1 on background %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation>El color del texto %1 sobre el fondo %2 tiene un contraste de %3. Los compradores necesitan al menos %4 para leerlo, sobre todo en un móvil a la luz del día.</translation>
    </message>
    <message>
        <source>Text colour %1 on the Background colour %2 has a contrast of %3. Buyers need at least %4 to read it, most of all on a phone in daylight.</source>
        <translation>El color del texto %1 sobre el color de fondo %2 tiene un contraste de %3. Los compradores necesitan al menos %4 para leerlo, sobre todo en un móvil a la luz del día.</translation>
    </message>
    <message>
        <source>No colour of the palette reads well on both the Background colour and the background picture: change one of them.</source>
        <translation>Ningún color de la paleta se lee bien a la vez sobre el color de fondo y sobre la imagen de fondo: cambia uno de los dos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2?)</source>
        <translation>«%1» (¿%2?)</translation>
    </message>
    <message>
        <source>%1 has a word the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation>%1 tiene una palabra que el diccionario no conoce: %2. Una errata resta confianza a los compradores, y una marca mal escrita no aparece en las búsquedas.</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %Ln words the dictionary does not know: %2. A typo makes buyers trust a listing less, and a misspelled brand is not found in a search.</source>
        <translation>
            <numerusform>%1 tiene %Ln palabra que el diccionario no conoce: %2. Una errata resta confianza a los compradores, y una marca mal escrita no aparece en las búsquedas.</numerusform>
            <numerusform>%1 tiene %Ln palabras que el diccionario no conoce: %2. Una errata resta confianza a los compradores, y una marca mal escrita no aparece en las búsquedas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The phone summary has %1 characters; eBay shows %2 and drops the rest.</source>
        <translation>El resumen para móviles tiene %1 caracteres; eBay muestra %2 y descarta el resto.</translation>
    </message>
    <message>
        <source> and more</source>
        <translation> y más</translation>
    </message>
    <message>
        <source>The phone summary holds markup eBay does not take there (%1); only lists (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), line breaks and &amp;nbsp; show on a phone.</source>
        <translation>El resumen para móviles contiene marcado que eBay no admite ahí (%1); en un móvil solo se ven listas (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), saltos de línea y &amp;nbsp;.</translation>
    </message>
    <message>
        <source>Buyers will not see the background until the picture is online where their browsers can load it. Click &quot;%1&quot;, upload the picture to a picture host, then pick &quot;%2&quot; in the background list and give its https address.</source>
        <translation>Los compradores no verán el fondo hasta que la imagen esté en internet, donde sus navegadores puedan cargarla. Haz clic en «%1», sube la imagen a un servicio de alojamiento de imágenes y luego elige «%2» en la lista de fondos e indica su dirección https.</translation>
    </message>
    <message>
        <source>Buyers will not see background %1 until the picture is online where their browsers can load it. Click &quot;%2&quot;, upload the picture to a picture host, then pick &quot;%3&quot; in the background list and give its https address.</source>
        <translation>Los compradores no verán el fondo %1 hasta que la imagen esté en internet, donde sus navegadores puedan cargarla. Haz clic en «%2», sube la imagen a un servicio de alojamiento de imágenes y luego elige «%3» en la lista de fondos e indica su dirección https.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>El título</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>La imagen de fondo</translation>
    </message>
    <message>
        <source>Borders colour</source>
        <translation>El color de los bordes</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>El color del texto</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>El color de fondo</translation>
    </message>
    <message>
        <source>The credit footer</source>
        <translation>La mención del pie</translation>
    </message>
    <message>
        <source>Phone Summary</source>
        <translation>El resumen para móviles</translation>
    </message>
    <message>
        <source>The listing</source>
        <translation>El anuncio</translation>
    </message>
    <message>
        <source>The description is %1 characters long, tags included. eBay refuses descriptions over %2 characters.</source>
        <translation>La descripción del artículo tiene %1 caracteres, etiquetas incluidas. eBay rechaza las descripciones de más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>Use https://</source>
        <translation>Usar https://</translation>
    </message>
    <message>
        <source>Put https: in front</source>
        <translation>Poner https: delante</translation>
    </message>
    <message>
        <source>Take the phone number out</source>
        <translation>Quitar el número de teléfono</translation>
    </message>
    <message numerus="yes">
        <source>Take the phone numbers out</source>
        <translation>
            <numerusform>Quitar el número de teléfono</numerusform>
            <numerusform>Quitar los números de teléfono</numerusform>
        </translation>
    </message>
    <message>
        <source>Close it with %1</source>
        <translation>Cerrarlo con %1</translation>
    </message>
    <message>
        <source>Keep the credit without the link off eBay</source>
        <translation>Mantener la mención sin el enlace fuera de eBay</translation>
    </message>
    <message>
        <source>more</source>
        <translation>más</translation>
    </message>
    <message>
        <source>Correct to %1</source>
        <translation>Corregir a %1</translation>
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
        <translation>Móvil (375 px)</translation>
    </message>
    <message>
        <source>eBay description (700 px)</source>
        <translation>Descripción de eBay (700 px)</translation>
    </message>
    <message>
        <source>Full width</source>
        <translation>Ancho completo</translation>
    </message>
    <message>
        <source>Show the listing at:</source>
        <translation>Ancho del anuncio:</translation>
    </message>
    <message>
        <source>Esc closes this view</source>
        <translation>Esc cierra esta vista</translation>
    </message>
</context>
<context>
    <name>vellumo::HelpPage</name>
    <message>
        <source>Brenvik 2000 Web Site</source>
        <translation>Sitio web de Brenvik 2000</translation>
    </message>
    <message>
        <source>eBay Web Site</source>
        <translation>Sitio web de eBay</translation>
    </message>
    <message>
        <source>&amp;Join the Brenvik mailing list</source>
        <translation>&amp;Lista de correo de Brenvik</translation>
    </message>
    <message>
        <source>Join our mailing list</source>
        <translation>Únete a nuestra lista de correo</translation>
    </message>
    <message>
        <source>Visit Brenvik 2000</source>
        <translation>Visitar Brenvik 2000</translation>
    </message>
    <message>
        <source>Show the notice after saving</source>
        <translation>Mostrar el aviso después de guardar</translation>
    </message>
    <message>
        <source>Vellumo Help</source>
        <translation>Ayuda de Vellumo</translation>
    </message>
    <message>
        <source>Free Image Hosting Sites</source>
        <translation>Alojamiento de imágenes gratis</translation>
    </message>
    <message>
        <source>You can find many more using Google</source>
        <translation>Con Google encontrarás muchos más</translation>
    </message>
    <message>
        <source>&amp;Picture hosting…</source>
        <translation>&amp;Alojamiento de fotos…</translation>
    </message>
    <message>
        <source>Upload your photos to your own web space (WebDAV, SFTP or FTP with TLS)</source>
        <translation>Sube tus fotos a tu propio espacio web (WebDAV, SFTP o FTP con TLS)</translation>
    </message>
</context>
<context>
    <name>vellumo::HelpWindow</name>
    <message>
        <source>Vellumo Help</source>
        <translation>Ayuda de Vellumo</translation>
    </message>
</context>
<context>
    <name>vellumo::ListingCheckDialog</name>
    <message>
        <source>eBay blocks this</source>
        <translation>eBay lo bloquea</translation>
    </message>
    <message>
        <source>Buyers will not see this</source>
        <translation>Los compradores no lo verán</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>Before this listing is saved and copied for eBay, look at what Vellumo found in it:</source>
        <translation>Antes de que este anuncio se guarde y se copie para eBay, mira lo que Vellumo ha encontrado en él:</translation>
    </message>
    <message>
        <source>Copy anyway</source>
        <translation>Copiar de todos modos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>vellumo::MainWindow</name>
    <message>
        <source>Incorrect Format:

%1</source>
        <translation>Formato incorrecto:

%1</translation>
    </message>
    <message>
        <source>Save changes to the design before closing?</source>
        <translation>¿Guardar los cambios de la composición antes de cerrar?</translation>
    </message>
    <message>
        <source>Please select a Template Style, fill in the title and all other fields before previewing.  Alternatively you may load an existing template from the My Templates tab.    </source>
        <translation>Selecciona un estilo de plantilla y rellena el título y todos los demás campos antes de la vista previa.  También puedes cargar una plantilla existente desde la pestaña «Mis plantillas».    </translation>
    </message>
    <message>
        <source>The https address of your background picture, once it is on a picture host:</source>
        <translation>La dirección https de tu imagen de fondo, una vez que esté en un servicio de alojamiento de imágenes:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the background: it must be a whole https:// address (buyers&apos; browsers show no picture from other addresses), without blanks or quotes. The background stays as it was.</source>
        <translation>«%1» no puede ser el fondo: tiene que ser una dirección https:// completa (los navegadores de los compradores no muestran imágenes de otras direcciones), sin espacios ni comillas. El fondo se queda como estaba.</translation>
    </message>
    <message>
        <source>Your choice could not be saved in %1: %2.</source>
        <translation>Tu elección no se ha podido guardar en %1: %2.</translation>
    </message>
</context>
<context>
    <name>vellumo::Palette</name>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
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
        <translation>Marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petróleo</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
</context>
<context>
    <name>vellumo::PickerLists</name>
    <message>
        <source>Select Template</source>
        <translation>Seleccionar plantilla</translation>
    </message>
    <message>
        <source>2 Alternating Photos</source>
        <translation>2 fotos alternas</translation>
    </message>
    <message>
        <source>2 Inline Photos</source>
        <translation>2 fotos a la izquierda</translation>
    </message>
    <message>
        <source>3 Alternating Photos</source>
        <translation>3 fotos alternas</translation>
    </message>
    <message>
        <source>3 Inline Photos</source>
        <translation>3 fotos a la izquierda</translation>
    </message>
    <message>
        <source>4 Alternating Photos</source>
        <translation>4 fotos alternas</translation>
    </message>
    <message>
        <source>4 Inline Photos</source>
        <translation>4 fotos a la izquierda</translation>
    </message>
    <message>
        <source>5 Alternating Photos</source>
        <translation>5 fotos alternas</translation>
    </message>
    <message>
        <source>5 Inline Photos</source>
        <translation>5 fotos a la izquierda</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Sin fondo</translation>
    </message>
    <message>
        <source>Your own picture…</source>
        <translation>Tu propia imagen…</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureBoxUpload</name>
    <message>
        <source>Upload photo…</source>
        <translation>Subir foto…</translation>
    </message>
    <message>
        <source>Choose a photo on this computer: Vellumo uploads it to your picture hosting and puts its address here. You can also drop photos on the box.</source>
        <translation>Elige una foto de este ordenador: Vellumo la sube a tu alojamiento de fotos y pone aquí su dirección. También puedes soltar fotos sobre el cuadro.</translation>
    </message>
    <message>
        <source>Uploading the photo… %p%</source>
        <translation>Subiendo la foto… %p %</translation>
    </message>
    <message>
        <source>Cancel upload</source>
        <translation>Cancelar subida</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHosting</name>
    <message>
        <source>Photos to upload</source>
        <translation>Fotos para subir</translation>
    </message>
    <message>
        <source>%1 photos were given, but the layout has only %2 empty picture boxes left: the other %3 were not uploaded.</source>
        <translation>Se han dado %1 fotos, pero el diseño solo tiene %2 cuadros de imagen vacíos: las otras %3 no se han subido.</translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; on %2 (Vellumo keeps it in the desktop&apos;s keyring, or in memory until it closes where there is no keyring):</source>
        <translation>La contraseña de «%1» en %2 (Vellumo la guarda en el llavero del escritorio o, donde no lo hay, en memoria hasta que se cierra):</translation>
    </message>
    <message>
        <source>The picture hosting settings could not be saved in %1: %2.</source>
        <translation>Los ajustes del alojamiento de fotos no se han podido guardar en %1: %2.</translation>
    </message>
</context>
<context>
    <name>vellumo::PictureHostingDialog</name>
    <message>
        <source>Compare it with the fingerprint your hosting provider publishes for its SFTP server. Trust this server and remember its key?</source>
        <translation>Compárala con la huella que tu proveedor de alojamiento publica para su servidor SFTP. ¿Confiar en este servidor y recordar su clave?</translation>
    </message>
    <message>
        <source>Picture Hosting</source>
        <translation>Alojamiento de fotos</translation>
    </message>
    <message>
        <source>Vellumo uploads your photos to your own web space and puts their https addresses into the picture boxes. Most hosting packages offer WebDAV, SFTP or FTP with TLS: your provider&apos;s help pages name the server, and the web address of each folder.</source>
        <translation>Vellumo sube tus fotos a tu propio espacio web y pone sus direcciones https en los cuadros de imagen. La mayoría de los paquetes de alojamiento ofrecen WebDAV, SFTP o FTP con TLS: las páginas de ayuda de tu proveedor indican el servidor y la dirección web de cada carpeta.</translation>
    </message>
    <message>
        <source>Upload with:</source>
        <translation>Subir con:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>kept in your desktop&apos;s keyring</source>
        <translation>se guarda en el llavero de tu escritorio</translation>
    </message>
    <message>
        <source>Folder on the server:</source>
        <translation>Carpeta en el servidor:</translation>
    </message>
    <message>
        <source>Its public address:</source>
        <translation>Su dirección pública:</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>Uploads a small file, loads it from the public address and removes it</source>
        <translation>Sube un archivo pequeño, lo carga desde la dirección pública y lo elimina</translation>
    </message>
    <message>
        <source>Testing…</source>
        <translation>Probando…</translation>
    </message>
    <message>
        <source>The test worked: a small file went to the server, came back unchanged from %1 and was removed again.</source>
        <translation>La prueba ha funcionado: un archivo pequeño fue al servidor, volvió sin cambios desde %1 y se eliminó de nuevo.</translation>
    </message>
</context>
<context>
    <name>vellumo::PreviewPage</name>
    <message>
        <source>This preview is for checking colors only and the listing may appear distorted.  To see how the listing will actually look click the Full Screen button.  To save the finished Template and code click the Save button.</source>
        <translation>Esta vista previa solo sirve para comprobar los colores y el anuncio puede verse deformado.  Para ver su aspecto real, haz clic en «Vista completa».  Para guardar la plantilla y el código, haz clic en «Guardar».</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the template and copy the code to the clipboard</source>
        <translation>Guardar la plantilla y copiar el código al portapapeles</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vista completa</translation>
    </message>
    <message>
        <source>Preview your listing full screen</source>
        <translation>Ver el anuncio en pantalla completa</translation>
    </message>
    <message>
        <source>Phone-friendly layout</source>
        <translation>Diseño adaptado a móviles</translation>
    </message>
    <message>
        <source>Pictures scale down and long words wrap, so the listing fits a phone&apos;s screen; on a wide screen it looks the same</source>
        <translation>Las imágenes se reducen y las palabras largas pasan a la línea siguiente, así que el anuncio cabe en la pantalla de un móvil; en una pantalla ancha se ve igual</translation>
    </message>
</context>
<context>
    <name>vellumo::RunningInstance</name>
    <message>
        <source>Vellumo is already running on your designs (in %1), but it does not answer.

If its window is hidden or no longer responds, close it, or end Vellumo in your system monitor, then start Vellumo again.</source>
        <translation>Vellumo ya está en marcha con tus composiciones (en %1), pero no responde.

Si su ventana está oculta o ya no responde, ciérrala, o termina Vellumo en tu monitor del sistema, y luego vuelve a iniciar Vellumo.</translation>
    </message>
</context>
<context>
    <name>vellumo::SavedNotice</name>
    <message>
        <source>Template Saved</source>
        <translation>Plantilla guardada</translation>
    </message>
    <message>
        <source>Your Template and Html code file have been saved and are available in the My Templates tab.</source>
        <translation>Tu plantilla y el archivo de código HTML se han guardado y están en la pestaña «Mis plantillas».</translation>
    </message>
    <message>
        <source>The HTML code has been copied to the clipboard and saved in My Templates. In eBay&apos;s listing form, switch the description editor to HTML and paste it there.</source>
        <translation>El código HTML está en el portapapeles y en «Mis plantillas». En el formulario del anuncio de eBay, cambia la descripción a HTML y pégalo ahí.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
</context>
<context>
    <name>vellumo::Spelling</name>
    <message>
        <source>Spelling is off: the %1 dictionary could not be opened (%2/%3.dic: %4). Install the Debian package %5 to check spelling in %1.</source>
        <translation>La ortografía no se comprueba: no se ha podido abrir el diccionario de %1 (%2/%3.dic: %4). Instala el paquete de Debian %5 para comprobar la ortografía en %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added to your words in %2: %3.</source>
        <translation>«%1» no se ha podido añadir a tus palabras en %2: %3.</translation>
    </message>
</context>
<context>
    <name>vellumo::SpellingMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Sin sugerencias</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>vellumo::SummaryDialog</name>
    <message>
        <source>Phone Summary</source>
        <translation>Resumen para móviles</translation>
    </message>
    <message>
        <source>eBay&apos;s apps and phone pages show this summary first, before the buyer opens the full description. Keep it to the points a buyer decides on. Plain text and line breaks; lists (&amp;lt;ul&amp;gt;, &amp;lt;ol&amp;gt;, &amp;lt;li&amp;gt;), &amp;lt;br&amp;gt; and &amp;amp;nbsp; are the only markup eBay takes. Leave it empty for none.</source>
        <translation>Las aplicaciones y las páginas para móviles de eBay muestran primero este resumen, antes de que el comprador abra la descripción completa. Cíñete a los puntos en los que decide un comprador. Texto simple y saltos de línea; las listas (&amp;lt;ul&amp;gt;, &amp;lt;ol&amp;gt;, &amp;lt;li&amp;gt;), &amp;lt;br&amp;gt; y &amp;amp;nbsp; son el único marcado que eBay admite. Déjalo vacío si no quieres ninguno.</translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 de %2 caracteres</translation>
    </message>
</context>
<context>
    <name>vellumo::TemplatesPage</name>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>at %1 it is too large to be a template (a template file holds at most %2)</source>
        <translation>con %1 es demasiado grande para ser una plantilla (un archivo de plantilla ocupa como máximo %2)</translation>
    </message>
    <message>
        <source>Saved Templates</source>
        <translation>Plantillas guardadas</translation>
    </message>
    <message>
        <source>Saved Html Codes for Listings</source>
        <translation>Códigos HTML guardados de los anuncios</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected template and file</source>
        <translation>Eliminar la plantilla y el archivo seleccionados</translation>
    </message>
    <message>
        <source>Load selected template</source>
        <translation>Cargar la plantilla elegida</translation>
    </message>
    <message>
        <source>Open selected file</source>
        <translation>Abrir el archivo elegido</translation>
    </message>
    <message>
        <source>Name of Template to Save</source>
        <translation>Nombre de la plantilla que guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save template and file as</source>
        <translation>Guardar la plantilla y el archivo como</translation>
    </message>
    <message>
        <source>Please select a template to load     </source>
        <translation>Selecciona una plantilla para cargar     </translation>
    </message>
    <message>
        <source>%1 is not a template Vellumo can load: the name of a template ends in 2, 3, 4 or 5, the number of its photos.</source>
        <translation>%1 no es una plantilla que Vellumo pueda cargar: el nombre de una plantilla termina en 2, 3, 4 o 5, su número de fotos.</translation>
    </message>
    <message>
        <source>The template %1 is no longer in My Templates; nothing was loaded. The lists now show what the folder holds.</source>
        <translation>La plantilla %1 ya no está en «Mis plantillas»; no se ha cargado nada. Las listas muestran ahora lo que contiene la carpeta.</translation>
    </message>
    <message>
        <source>The template %1 could not be read: %2. Nothing was loaded.</source>
        <translation>No se ha podido leer la plantilla %1: %2. No se ha cargado nada.</translation>
    </message>
    <message>
        <source>%1 is not a Vellumo template: no [%2] section. Nothing was loaded.</source>
        <translation>%1 no es una plantilla de Vellumo: no tiene sección [%2]. No se ha cargado nada.</translation>
    </message>
    <message>
        <source>The template %1 holds colour values that are not colours (%2). Vellumo uses the default colours instead.</source>
        <translation>La plantilla %1 contiene valores de color que no son colores (%2). Vellumo usa en su lugar los colores predeterminados.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>A design named %1 is saved already. Replace it?</source>
        <translation>Ya hay una composición guardada con el nombre %1. ¿Reemplazarla?</translation>
    </message>
    <message>
        <source>Please select a Template Style and fill in its fields before saving.</source>
        <translation>Selecciona un estilo de plantilla y rellena sus campos antes de guardar.</translation>
    </message>
    <message>
        <source>Please type a name for the template in &quot;%1&quot;.</source>
        <translation>Escribe un nombre para la plantilla en «%1».</translation>
    </message>
    <message>
        <source>The name %1 is too long for a file name: a template name may have at most %2 bytes (an accented letter takes two), and this one has %3. Please shorten it.</source>
        <translation>El nombre %1 es demasiado largo para un nombre de archivo: un nombre de plantilla puede tener como máximo %2 bytes (una letra con tilde ocupa dos), y este tiene %3. Acórtalo.</translation>
    </message>
    <message>
        <source>The template %1 could not be saved in %2: %3. Nothing was copied to the clipboard.</source>
        <translation>No se ha podido guardar la plantilla %1 en %2: %3. No se ha copiado nada al portapapeles.</translation>
    </message>
    <message>
        <source>Please select a template or code file to delete.</source>
        <translation>Selecciona una plantilla o un archivo de código para eliminar.</translation>
    </message>
    <message>
        <source>Delete the design %1, its template and its Html code file?</source>
        <translation>¿Eliminar la composición %1, su plantilla y su archivo de código HTML?</translation>
    </message>
    <message>
        <source>Delete the template %1?</source>
        <translation>¿Eliminar la plantilla %1?</translation>
    </message>
    <message>
        <source>Delete the Html code file %1?</source>
        <translation>¿Eliminar el archivo de código HTML %1?</translation>
    </message>
    <message>
        <source>Not everything could be deleted from %1: %2. The lists show what is left.</source>
        <translation>No se ha podido eliminar todo de %1: %2. Las listas muestran lo que queda.</translation>
    </message>
    <message>
        <source>Please select an Html code file to open.</source>
        <translation>Selecciona un archivo de código HTML para abrir.</translation>
    </message>
    <message>
        <source>The Html code file %1 is no longer in My Templates. The lists now show what the folder holds.</source>
        <translation>El archivo de código HTML %1 ya no está en «Mis plantillas». Las listas muestran ahora lo que contiene la carpeta.</translation>
    </message>
    <message>
        <source>no program for text files is set up on this computer</source>
        <translation>no hay ningún programa para archivos de texto configurado en este ordenador</translation>
    </message>
    <message>
        <source>The Html code file %1 could not be opened: %2. You will find it at
%3</source>
        <translation>No se ha podido abrir el archivo de código HTML %1: %2. Lo encontrarás en
%3</translation>
    </message>
</context>
<context>
    <name>vellumo::UploadTexts</name>
    <message>
        <source>Plain FTP is not offered: it sends your password and your photos unencrypted. Choose &quot;%1&quot; or SFTP; most hosting packages offer both.</source>
        <translation>No se ofrece FTP simple: envía tu contraseña y tus fotos sin cifrar. Elige «%1» o SFTP; la mayoría de los paquetes de alojamiento ofrecen ambos.</translation>
    </message>
    <message>
        <source>WebDAV over http is not offered: it sends your password and your photos unencrypted. Use the server&apos;s https address.</source>
        <translation>No se ofrece WebDAV por http: envía tu contraseña y tus fotos sin cifrar. Usa la dirección https del servidor.</translation>
    </message>
    <message>
        <source>Please give the server&apos;s name, such as dav.example.com.</source>
        <translation>Indica el nombre del servidor, por ejemplo dav.example.com.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name: give only the name, such as dav.example.com, and the port in its own box.</source>
        <translation>«%1» no es un nombre de servidor: indica solo el nombre, por ejemplo dav.example.com, y el puerto en su propio cuadro.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535, or empty for the usual one.</source>
        <translation>El puerto debe ser un número del 1 al 65535, o quedar vacío para el habitual.</translation>
    </message>
    <message>
        <source>Please give the user name of your hosting account.</source>
        <translation>Indica el nombre de usuario de tu cuenta de alojamiento.</translation>
    </message>
    <message>
        <source>The public address must begin with https://: eBay shows no pictures from http:// addresses.</source>
        <translation>La dirección pública debe empezar por https://: eBay no muestra imágenes de direcciones http://.</translation>
    </message>
    <message>
        <source>Please give the public address where buyers&apos; browsers find the folder&apos;s pictures, such as https://www.example.com/photos/.</source>
        <translation>Indica la dirección pública donde los navegadores de los compradores encuentran las imágenes de la carpeta, por ejemplo https://www.example.com/photos/.</translation>
    </message>
    <message>
        <source>The upload could not start: libcurl did not initialise.</source>
        <translation>La subida no ha podido empezar: libcurl no se ha inicializado.</translation>
    </message>
    <message>
        <source>The server %1 refused the user name &quot;%2&quot; or its password. Check them under Picture hosting.</source>
        <translation>El servidor %1 ha rechazado el nombre de usuario «%2» o su contraseña. Compruébalos en «Alojamiento de fotos».</translation>
    </message>
    <message>
        <source>The SFTP server %1 is not known yet. It identifies itself with the key %2.</source>
        <translation>El servidor SFTP %1 aún no es conocido. Se identifica con la clave %2.</translation>
    </message>
    <message>
        <source>The SFTP server %1 no longer shows the key you trusted before; it now shows %2. A reinstalled server does this, and so does someone listening in between. The upload was refused. Once your hosting provider confirms the new key, remove the line of this server from %3 and try again.</source>
        <translation>El servidor SFTP %1 ya no muestra la clave en la que confiaste; ahora muestra %2. Eso lo hace un servidor reinstalado, y también alguien que escucha por en medio. Se ha rechazado la subida. Cuando tu proveedor de alojamiento confirme la nueva clave, quita la línea de este servidor de %3 y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The key of %1 could not be kept in %2: %3.</source>
        <translation>No se ha podido guardar la clave de %1 en %2: %3.</translation>
    </message>
    <message>
        <source>The connection to %1 is not trusted: %2. Nothing was sent. Ask your hosting provider for a certificate this computer trusts.</source>
        <translation>La conexión con %1 no es de confianza: %2. No se ha enviado nada. Pide a tu proveedor de alojamiento un certificado en el que confíe este ordenador.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached: %2.</source>
        <translation>No se ha podido contactar con el servidor %1: %2.</translation>
    </message>
    <message>
        <source>The server %1 stopped answering: %2.</source>
        <translation>El servidor %1 ha dejado de responder: %2.</translation>
    </message>
    <message>
        <source>The server %1 has no room for the photo (%2). Free some space in your web space and try again.</source>
        <translation>El servidor %1 no tiene sitio para la foto (%2). Libera espacio en tu espacio web y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 answers 404 Not Found: the public address does not lead to the folder &quot;%2&quot;. Check both under Picture hosting.</source>
        <translation>La foto está en el servidor, pero %1 responde 404 Not Found: la dirección pública no lleva a la carpeta «%2». Comprueba ambas cosas en «Alojamiento de fotos».</translation>
    </message>
    <message>
        <source>The photo is on the server, but %1 gives back something else than was sent: the public address does not lead to the folder &quot;%2&quot;. Check both under Picture hosting.</source>
        <translation>La foto está en el servidor, pero %1 devuelve algo distinto de lo que se envió: la dirección pública no lleva a la carpeta «%2». Comprueba ambas cosas en «Alojamiento de fotos».</translation>
    </message>
    <message>
        <source>The upload was cancelled; nothing was changed.</source>
        <translation>Se ha cancelado la subida; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2 (answer %3).</source>
        <translation>El servidor %1 ha rechazado la subida: %2 (respuesta %3).</translation>
    </message>
    <message>
        <source>The server %1 refused the upload: %2.</source>
        <translation>El servidor %1 ha rechazado la subida: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened: %2.</source>
        <translation>No se ha podido abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a photo Vellumo can read: it takes JPEG, PNG and WebP pictures.</source>
        <translation>«%1» no es una foto que Vellumo pueda leer: admite imágenes JPEG, PNG y WebP.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: its picture data is incomplete.</source>
        <translation>«%1» está dañado: sus datos de imagen están incompletos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 megapixels; Vellumo takes photos of up to %3 megapixels.</source>
        <translation>«%1» tiene %2 megapíxeles; Vellumo admite fotos de hasta %3 megapíxeles.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels; eBay asks for at least %4 pixels on the longest side. Please use a larger photo.</source>
        <translation>«%1» mide %2 x %3 píxeles; eBay pide al menos %4 píxeles en el lado más largo. Usa una foto más grande.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: %2.</source>
        <translation>«%1» está dañado: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be converted: %2.</source>
        <translation>No se ha podido convertir «%1»: %2.</translation>
    </message>
    <message>
        <source>WebDAV over https</source>
        <translation>WebDAV por https</translation>
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
        <translation>La foto está en el servidor, pero su dirección pública %1 no se ha podido cargar. %2</translation>
    </message>
</context>
<context>
    <name>vellumo::WindowFrame</name>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>My Templates</source>
        <translation>Mis plantillas</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Ayuda/Acerca de</translation>
    </message>
</context>
</TS>
