<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>Errore durante la decifratura dei dati cifrati.</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>Errore durante la cifratura dei dati.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>Rimescola una riga di testo e poi la ricompone, soltanto all&apos;interno di questa pagina: nulla ne esce e nulla viene conservato. È un rimescolatore, non una cifratura: chiunque abbia questa pagina o Vellumark9 può leggere ogni testo che produce.</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>Decif&amp;ra</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copia collegamento</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>Qui non è possibile scrivere negli appunti: selezionare il testo e copiarlo manualmente.</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>Collegamento copiato.</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>Uscita copiata.</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>Questo codice contiene un collegamento a questa pagina seguito dal testo rimescolato. Le app della fotocamera conservano nella cronologia ciò che leggono.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Il testo cifrato è danneggiato: è stato troncato. Non è stato decifrato nulla.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>Il testo cifrato è danneggiato: il carattere %1 non è compatibile con la sua struttura. Non è stato decifrato nulla.</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>Il testo stampabile è danneggiato: non inizia con %1. Non è stato decifrato nulla.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>Il testo stampabile è danneggiato: il carattere %1 non è né una lettera, né una cifra, né un trattino basso. Non è stato decifrato nulla.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>Il testo stampabile è danneggiato: ha %1 carattere, una lunghezza che nessun testo stampabile può avere. Non è stato decifrato nulla.</numerusform>
            <numerusform>Il testo stampabile è danneggiato: ha %1 caratteri, una lunghezza che nessun testo stampabile può avere. Non è stato decifrato nulla.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>Il testo stampabile è danneggiato: il suo codice di controllo non corrisponde, quindi un carattere al suo interno è stato modificato, aggiunto o perso. Non è stato decifrato nulla.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>Il testo stampabile è danneggiato: il carattere %1 non corrisponde ad alcun testo rimescolato. Non è stato decifrato nulla.</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>Il carattere %1 del testo non è UTF-8 valido; è possibile leggere solo testo UTF-8.</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>Il carattere %1 del testo, “%2” (%3), non può far parte di un testo cifrato.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>Il testo stampabile ha %1 carattere: è troppo lungo per un solo codice QR, che ne contiene al massimo %2.</numerusform>
            <numerusform>Il testo stampabile ha %1 caratteri: è troppo lungo per un solo codice QR, che ne contiene al massimo %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>Cifrato: %1 carattere in uscita.</numerusform>
            <numerusform>Cifrato: %1 caratteri in uscita.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>Decifrato: %1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Ingresso:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Uscita:</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifra</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Decifra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>In primo piano</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>Copia come testo stam&amp;pabile</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Rilascia</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Non c&apos;è alcun testo rimescolato da copiare: Uscita non contiene ciò che vi ha scritto “Cifra”. Cifrare prima una riga.</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>Testo rimescolato copiato come testo stampabile.</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>Si è verificato un errore</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>Mostra come codice &amp;QR</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Non c&apos;è alcun testo rimescolato da mostrare: Uscita non contiene ciò che vi ha scritto “Cifra”. Cifrare prima una riga.</translation>
    </message>
</context>
<context>
    <name>vellum::window::QrCodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>Codice QR</translation>
    </message>
    <message>
        <source>This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.</source>
        <translation>Questo codice contiene la forma stampabile del testo rimescolato riportato sotto. Le app della fotocamera conservano nella cronologia ciò che leggono.</translation>
    </message>
</context>
</TS>
