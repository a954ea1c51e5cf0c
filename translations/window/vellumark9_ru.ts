<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>Ошибка расшифровки зашифрованных данных.</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>Ошибка шифрования данных.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>Перемешивает строку текста и восстанавливает её обратно прямо на этой странице: ничего не покидает её и ничего не сохраняется. Это скремблер, а не средство шифрования: любой, у кого есть эта страница или Vellumark9, может прочитать любой созданный ею текст.</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>&amp;Расшифровать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>Здесь нельзя записать в буфер обмена: выделите текст и скопируйте его сами.</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>Ссылка скопирована.</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>Вывод скопирован.</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>Этот код содержит ссылку на эту страницу, за которой следует перемешанный текст. Приложения камеры сохраняют прочитанное в своей истории.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
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
        <translation>Зашифрованный текст повреждён: он обрезан. Ничего не расшифровано.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>Зашифрованный текст повреждён: символ %1 не соответствует его структуре. Ничего не расшифровано.</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>Печатаемый текст повреждён: он не начинается с %1. Ничего не расшифровано.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>Печатаемый текст повреждён: символ %1 не является буквой, цифрой или подчёркиванием. Ничего не расшифровано.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>Печатаемый текст повреждён: в нём %1 символ, а такой длины у печатаемого текста не бывает. Ничего не расшифровано.</numerusform>
            <numerusform>Печатаемый текст повреждён: в нём %1 символа, а такой длины у печатаемого текста не бывает. Ничего не расшифровано.</numerusform>
            <numerusform>Печатаемый текст повреждён: в нём %1 символов, а такой длины у печатаемого текста не бывает. Ничего не расшифровано.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>Печатаемый текст повреждён: его контрольная сумма не совпадает, значит, символ в нём был изменён, добавлен или утерян. Ничего не расшифровано.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>Печатаемый текст повреждён: символ %1 не соответствует никакому перемешанному тексту. Ничего не расшифровано.</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>Символ %1 текста не является допустимым UTF-8; прочитать можно только текст в UTF-8.</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>Символ %1 текста, «%2» (%3), не может входить в зашифрованный текст.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>В печатаемом тексте %1 символ — слишком много для одного QR-кода, который вмещает не более %2.</numerusform>
            <numerusform>В печатаемом тексте %1 символа — слишком много для одного QR-кода, который вмещает не более %2.</numerusform>
            <numerusform>В печатаемом тексте %1 символов — слишком много для одного QR-кода, который вмещает не более %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>Зашифровано: в выводе %1 символ.</numerusform>
            <numerusform>Зашифровано: в выводе %1 символа.</numerusform>
            <numerusform>Зашифровано: в выводе %1 символов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>Расшифровано: %1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Ввод:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Вывод:</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Зашифровать</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Расшифровать</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Держать поверх</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>Копировать как печатаемый &amp;текст</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Отпустить</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Нет перемешанного текста для копирования: в выводе нет того, что записала туда команда «Зашифровать». Сначала зашифруйте строку.</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>Перемешанный текст скопирован как печатаемый текст.</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>Произошла ошибка</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>Показать как &amp;QR-код</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Нет перемешанного текста для показа: в выводе нет того, что записала туда команда «Зашифровать». Сначала зашифруйте строку.</translation>
    </message>
</context>
<context>
    <name>vellum::window::QrCodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>QR-код</translation>
    </message>
    <message>
        <source>This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.</source>
        <translation>Этот код содержит печатаемый вид перемешанного текста, приведённый ниже. Приложения камеры сохраняют прочитанное в своей истории.</translation>
    </message>
</context>
</TS>
