<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>خطأ في فك تشفير البيانات المشفرة.</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>خطأ في تشفير البيانات.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>تخلط سطرًا من النص ثم تفك خلطه من جديد، داخل هذه الصفحة وحدها: لا يغادرها شيء ولا يُحفظ شيء. إنها أداة خلط، لا تشفير: كل من لديه هذه الصفحة أو Vellumark9 يستطيع قراءة كل نص تنتجه.</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>فك التشفير(&amp;R)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>نسخ الرابط</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>تتعذر الكتابة إلى الحافظة هنا: حدِّد النص وانسخه بنفسك.</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>تم نسخ الرابط.</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>تم نسخ الناتج.</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>يحوي هذا الرمز رابطًا إلى هذه الصفحة يليه النص المخلوط. تحتفظ تطبيقات الكاميرا بما تقرؤه في سجلها.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The encrypted text is damaged: it has been cut short. Nothing was decrypted.</source>
        <translation>النص المشفر تالف: فقد بُتر آخره. لم يُفك تشفير أي شيء.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>النص المشفر تالف: المحرف رقم %1 لا يوافق بنيته. لم يُفك تشفير أي شيء.</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>النص القابل للطباعة تالف: فهو لا يبدأ بـ %1. لم يُفك تشفير أي شيء.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>النص القابل للطباعة تالف: المحرف رقم %1 ليس حرفًا ولا رقمًا ولا شرطة سفلية. لم يُفك تشفير أي شيء.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>النص القابل للطباعة تالف: ليس فيه أي محرف، وهذا طول لا يكون لأي نص قابل للطباعة. لم يُفك تشفير أي شيء.</numerusform>
            <numerusform>النص القابل للطباعة تالف: فيه محرف واحد، وهذا طول لا يكون لأي نص قابل للطباعة. لم يُفك تشفير أي شيء.</numerusform>
            <numerusform>النص القابل للطباعة تالف: فيه محرفان، وهذا طول لا يكون لأي نص قابل للطباعة. لم يُفك تشفير أي شيء.</numerusform>
            <numerusform>النص القابل للطباعة تالف: فيه %1 محارف، وهذا طول لا يكون لأي نص قابل للطباعة. لم يُفك تشفير أي شيء.</numerusform>
            <numerusform>النص القابل للطباعة تالف: فيه %1 محرفًا، وهذا طول لا يكون لأي نص قابل للطباعة. لم يُفك تشفير أي شيء.</numerusform>
            <numerusform>النص القابل للطباعة تالف: فيه %1 محرف، وهذا طول لا يكون لأي نص قابل للطباعة. لم يُفك تشفير أي شيء.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>النص القابل للطباعة تالف: رمز التحقق فيه لا يتطابق، أي أن محرفًا فيه قد غُيّر أو أُضيف أو فُقد. لم يُفك تشفير أي شيء.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>النص القابل للطباعة تالف: المحرف رقم %1 لا يمثل أي نص مخلوط. لم يُفك تشفير أي شيء.</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>المحرف رقم %1 من النص ليس UTF-8 صالحًا؛ لا يمكن أن يُقرأ إلا نص بترميز UTF-8.</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>المحرف رقم %1 من النص، «%2» (%3)، لا يمكن أن يكون جزءًا من نص مشفر.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>ليس في النص القابل للطباعة أي محرف، وهذا أكثر مما يتسع له رمز QR واحد، فأقصى ما يتسع له %2.</numerusform>
            <numerusform>في النص القابل للطباعة محرف واحد، وهذا أكثر مما يتسع له رمز QR واحد، فأقصى ما يتسع له %2.</numerusform>
            <numerusform>في النص القابل للطباعة محرفان، وهذا أكثر مما يتسع له رمز QR واحد، فأقصى ما يتسع له %2.</numerusform>
            <numerusform>في النص القابل للطباعة %1 محارف، وهذا أكثر مما يتسع له رمز QR واحد، فأقصى ما يتسع له %2.</numerusform>
            <numerusform>في النص القابل للطباعة %1 محرفًا، وهذا أكثر مما يتسع له رمز QR واحد، فأقصى ما يتسع له %2.</numerusform>
            <numerusform>في النص القابل للطباعة %1 محرف، وهذا أكثر مما يتسع له رمز QR واحد، فأقصى ما يتسع له %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>تم التشفير: ليس في الناتج أي محرف.</numerusform>
            <numerusform>تم التشفير: في الناتج محرف واحد.</numerusform>
            <numerusform>تم التشفير: في الناتج محرفان.</numerusform>
            <numerusform>تم التشفير: في الناتج %1 محارف.</numerusform>
            <numerusform>تم التشفير: في الناتج %1 محرفًا.</numerusform>
            <numerusform>تم التشفير: في الناتج %1 محرف.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>تم فك التشفير: %1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>الدخل:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>الناتج:</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>تشفير</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>فك التشفير(&amp;D)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج(&amp;X)</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>تثبيت في المقدمة</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>نسخ كنص قابل للطباعة(&amp;N)</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>إلغاء التثبيت</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>لا يوجد نص مخلوط لنسخه: فالناتج لا يحوي ما كتبه «تشفير» فيه. شفّر سطرًا أولًا.</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>تم نسخ النص المخلوط كنص قابل للطباعة.</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>حدث خطأ</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>عرض كرمز QR(&amp;Q)</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>لا يوجد نص مخلوط لعرضه: فالناتج لا يحوي ما كتبه «تشفير» فيه. شفّر سطرًا أولًا.</translation>
    </message>
</context>
<context>
    <name>vellum::window::QrCodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>رمز QR</translation>
    </message>
    <message>
        <source>This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.</source>
        <translation>يحوي هذا الرمز الصيغة القابلة للطباعة للنص المخلوط، وهي المعروضة أدناه. تحتفظ تطبيقات الكاميرا بما تقرؤه في سجلها.</translation>
    </message>
</context>
</TS>
