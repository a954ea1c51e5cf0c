<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>Fehler beim Entschlüsseln der verschlüsselten Daten.</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>Fehler beim Verschlüsseln der Daten.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>Verwürfelt eine Textzeile und entwürfelt sie wieder, allein in dieser Seite: nichts verlässt sie, und nichts wird gespeichert. Es ist ein Verwürfler, keine Verschlüsselung: Wer diese Seite oder Vellumark9 hat, kann jeden Text lesen, den sie erzeugt.</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>Ent&amp;schlüsseln</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>Die Zwischenablage kann hier nicht beschrieben werden: Markieren Sie den Text und kopieren Sie ihn selbst.</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>Der Link wurde kopiert.</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>Die Ausgabe wurde kopiert.</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>Dieser Code enthält einen Link auf diese Seite mit dem verwürfelten Text dahinter. Kamera-Apps behalten in ihrem Verlauf, was sie lesen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Der verschlüsselte Text ist beschädigt: Er wurde abgeschnitten. Es wurde nichts entschlüsselt.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>Der verschlüsselte Text ist beschädigt: Zeichen %1 passt nicht zu seinem Aufbau. Es wurde nichts entschlüsselt.</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>Der druckbare Text ist beschädigt: Er beginnt nicht mit %1. Es wurde nichts entschlüsselt.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>Der druckbare Text ist beschädigt: Zeichen %1 ist weder Buchstabe noch Ziffer noch Unterstrich. Es wurde nichts entschlüsselt.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>Der druckbare Text ist beschädigt: Er hat %1 Zeichen, eine Länge, die kein druckbarer Text hat. Es wurde nichts entschlüsselt.</numerusform>
            <numerusform>Der druckbare Text ist beschädigt: Er hat %1 Zeichen, eine Länge, die kein druckbarer Text hat. Es wurde nichts entschlüsselt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>Der druckbare Text ist beschädigt: Seine Prüfsumme stimmt nicht, also wurde ein Zeichen darin geändert, hinzugefügt oder entfernt. Es wurde nichts entschlüsselt.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>Der druckbare Text ist beschädigt: Zeichen %1 steht für keinen verwürfelten Text. Es wurde nichts entschlüsselt.</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>Zeichen %1 des Textes ist kein gültiges UTF-8; nur UTF-8-Text kann gelesen werden.</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>Zeichen %1 des Textes, „%2“ (%3), kann nicht Teil eines verschlüsselten Textes sein.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>Der druckbare Text hat %1 Zeichen, zu viele für einen QR-Code, der höchstens %2 fasst.</numerusform>
            <numerusform>Der druckbare Text hat %1 Zeichen, zu viele für einen QR-Code, der höchstens %2 fasst.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>Verschlüsselt: %1 Zeichen in der Ausgabe.</numerusform>
            <numerusform>Verschlüsselt: %1 Zeichen in der Ausgabe.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>Entschlüsselt: %1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Eingabe:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgabe:</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Entschlüsseln</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Vorn halten</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>Als &amp;druckbaren Text kopieren</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Es gibt keinen verwürfelten Text zum Kopieren: Die Ausgabe enthält nicht, was „Verschlüsseln“ dort geschrieben hat. Verschlüsseln Sie zuerst eine Zeile.</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>Der verwürfelte Text wurde als druckbarer Text kopiert.</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>Als &amp;QR-Code anzeigen</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Es gibt keinen verwürfelten Text zum Anzeigen: Die Ausgabe enthält nicht, was „Verschlüsseln“ dort geschrieben hat. Verschlüsseln Sie zuerst eine Zeile.</translation>
    </message>
</context>
<context>
    <name>vellum::window::QrCodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>QR-Code</translation>
    </message>
    <message>
        <source>This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.</source>
        <translation>Dieser Code enthält den verwürfelten Text unten in druckbarer Form. Kamera-Apps behalten in ihrem Verlauf, was sie lesen.</translation>
    </message>
</context>
</TS>
