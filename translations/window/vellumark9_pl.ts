<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>Błąd podczas odszyfrowywania zaszyfrowanych danych.</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>Błąd podczas szyfrowania danych.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>Zaciemnia wiersz tekstu i z powrotem go odtwarza, wyłącznie na tej stronie: nic jej nie opuszcza i nic nie jest przechowywane. To zaciemnianie, a nie szyfrowanie: każdy, kto ma tę stronę lub Vellumark9, może odczytać każdy tekst, który ona tworzy.</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>Odszyf&amp;ruj</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Kopiuj odnośnik</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>Nie można tutaj zapisać do schowka: należy zaznaczyć tekst i skopiować go samodzielnie.</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>Skopiowano odnośnik.</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>Skopiowano zawartość pola wyjścia.</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>Ten kod zawiera odnośnik do tej strony, po którym następuje zaciemniony tekst. Aplikacje aparatu przechowują w swojej historii to, co odczytają.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Zaszyfrowany tekst jest uszkodzony: został ucięty. Niczego nie odszyfrowano.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>Zaszyfrowany tekst jest uszkodzony: znak na pozycji %1 nie pasuje do jego struktury. Niczego nie odszyfrowano.</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>Tekst drukowalny jest uszkodzony: nie zaczyna się od %1. Niczego nie odszyfrowano.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>Tekst drukowalny jest uszkodzony: znak na pozycji %1 nie jest literą, cyfrą ani podkreśleniem. Niczego nie odszyfrowano.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>Tekst drukowalny jest uszkodzony: ma %1 znak, a takiej długości nie ma żaden tekst drukowalny. Niczego nie odszyfrowano.</numerusform>
            <numerusform>Tekst drukowalny jest uszkodzony: ma %1 znaki, a takiej długości nie ma żaden tekst drukowalny. Niczego nie odszyfrowano.</numerusform>
            <numerusform>Tekst drukowalny jest uszkodzony: ma %1 znaków, a takiej długości nie ma żaden tekst drukowalny. Niczego nie odszyfrowano.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>Tekst drukowalny jest uszkodzony: jego suma kontrolna się nie zgadza, więc jakiś znak został w nim zmieniony, dodany lub utracony. Niczego nie odszyfrowano.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>Tekst drukowalny jest uszkodzony: znak na pozycji %1 nie oznacza żadnego fragmentu zaciemnionego tekstu. Niczego nie odszyfrowano.</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>Znak na pozycji %1 tekstu nie jest poprawnym znakiem UTF-8; można odczytać tylko tekst w UTF-8.</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>Znak na pozycji %1 tekstu, „%2” (%3), nie może być częścią zaszyfrowanego tekstu.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>Tekst drukowalny ma %1 znak, czyli za dużo jak na jeden kod QR, który mieści co najwyżej %2.</numerusform>
            <numerusform>Tekst drukowalny ma %1 znaki, czyli za dużo jak na jeden kod QR, który mieści co najwyżej %2.</numerusform>
            <numerusform>Tekst drukowalny ma %1 znaków, czyli za dużo jak na jeden kod QR, który mieści co najwyżej %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>Zaszyfrowano: w polu wyjścia jest %1 znak.</numerusform>
            <numerusform>Zaszyfrowano: w polu wyjścia są %1 znaki.</numerusform>
            <numerusform>Zaszyfrowano: w polu wyjścia jest %1 znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>Odszyfrowano: %1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Wejście:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Wyjście:</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Zaszyfruj</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Odszyfruj</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Na wierzch</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>Kopiuj jako tekst &amp;drukowalny</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Zwolnij</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Nie ma zaciemnionego tekstu do skopiowania: pole wyjścia nie zawiera tego, co zapisało tam polecenie „Zaszyfruj”. Najpierw należy zaszyfrować wiersz.</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>Skopiowano zaciemniony tekst jako tekst drukowalny.</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>Wystąpił błąd</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>Pokaż jako kod &amp;QR</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Nie ma zaciemnionego tekstu do pokazania: pole wyjścia nie zawiera tego, co zapisało tam polecenie „Zaszyfruj”. Najpierw należy zaszyfrować wiersz.</translation>
    </message>
</context>
<context>
    <name>vellum::window::QrCodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>Kod QR</translation>
    </message>
    <message>
        <source>This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.</source>
        <translation>Ten kod zawiera postać drukowalną zaciemnionego tekstu, widoczną poniżej. Aplikacje aparatu przechowują w swojej historii to, co odczytają.</translation>
    </message>
</context>
</TS>
