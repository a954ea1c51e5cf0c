<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>Error al descifrar los datos cifrados.</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>Error al cifrar los datos.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>Codifica una línea de texto y la vuelve a decodificar, solo en esta página: nada sale de ella y nada se guarda. Es un codificador, no cifrado: cualquiera que tenga esta página o Vellumark9 puede leer todos los textos que produce.</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>Descif&amp;rar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>Aquí no se puede escribir en el portapapeles: seleccione el texto y cópielo usted mismo.</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>Se ha copiado el enlace.</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>Se ha copiado la salida.</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>Este código contiene un enlace a esta página con el texto codificado detrás. Las aplicaciones de cámara guardan en su historial lo que leen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The encrypted text is damaged: it has been cut short. Nothing was decrypted.</source>
        <translation>El texto cifrado está dañado: se ha cortado. No se ha descifrado nada.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>El texto cifrado está dañado: el carácter %1 no encaja en su estructura. No se ha descifrado nada.</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>El texto imprimible está dañado: no empieza por %1. No se ha descifrado nada.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>El texto imprimible está dañado: el carácter %1 no es una letra, ni un dígito, ni un guion bajo. No se ha descifrado nada.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>El texto imprimible está dañado: tiene %1 carácter, una longitud que ningún texto imprimible tiene. No se ha descifrado nada.</numerusform>
            <numerusform>El texto imprimible está dañado: tiene %1 caracteres, una longitud que ningún texto imprimible tiene. No se ha descifrado nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>El texto imprimible está dañado: su suma de comprobación no coincide, así que se ha cambiado, añadido o perdido un carácter. No se ha descifrado nada.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>El texto imprimible está dañado: el carácter %1 no corresponde a ningún texto codificado. No se ha descifrado nada.</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>El carácter %1 del texto no es UTF-8 válido; solo se puede leer texto UTF-8.</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>El carácter %1 del texto, «%2» (%3), no puede formar parte de un texto cifrado.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>El texto imprimible tiene %1 carácter, más de los que caben en un código QR, que admite como máximo %2.</numerusform>
            <numerusform>El texto imprimible tiene %1 caracteres, más de los que caben en un código QR, que admite como máximo %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>Cifrado: %1 carácter en la salida.</numerusform>
            <numerusform>Cifrado: %1 caracteres en la salida.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>Descifrado: %1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Descifrar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>Copiar como texto &amp;imprimible</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>No hay texto codificado que copiar: la salida no contiene lo que «Cifrar» escribió en ella. Cifre primero una línea.</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>Se ha copiado el texto codificado como texto imprimible.</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>Se produjo un error</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>Mostrar como código &amp;QR</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>No hay texto codificado que mostrar: la salida no contiene lo que «Cifrar» escribió en ella. Cifre primero una línea.</translation>
    </message>
</context>
<context>
    <name>vellum::window::QrCodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>Código QR</translation>
    </message>
    <message>
        <source>This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.</source>
        <translation>Este código contiene la forma imprimible del texto codificado de abajo. Las aplicaciones de cámara guardan en su historial lo que leen.</translation>
    </message>
</context>
</TS>
