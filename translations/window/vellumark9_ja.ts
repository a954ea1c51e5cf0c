<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>暗号化されたデータの復号中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>データの暗号化中にエラーが発生しました。</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>1 行のテキストをスクランブルし、また元に戻します。処理はこのページの中だけで行われ、外には何も送られず、何も保存されません。これはスクランブラーであって、暗号化ではありません。このページか Vellumark9 を持つ人なら誰でも、これが作るテキストをすべて読むことができます。</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>復号(&amp;R)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>ここではクリップボードに書き込めません。テキストを選択して、手動でコピーしてください。</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>リンクをコピーしました。</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>出力をコピーしました。</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>このコードには、このページへのリンクと、その後ろに続くスクランブル済みテキストが入っています。カメラアプリは読み取った内容を履歴に残します。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>暗号化されたテキストが壊れています: 途中で切れています。何も復号されませんでした。</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>暗号化されたテキストが壊れています: %1 文字目がその構造に合いません。何も復号されませんでした。</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>印字可能なテキストが壊れています: %1 で始まっていません。何も復号されませんでした。</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>印字可能なテキストが壊れています: %1 文字目が英字、数字、アンダースコアのいずれでもありません。何も復号されませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>印字可能なテキストが壊れています: %1 文字という、印字可能なテキストにはあり得ない長さです。何も復号されませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>印字可能なテキストが壊れています: 検査値が一致しないため、中の文字が変更、追加、または削除されています。何も復号されませんでした。</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>印字可能なテキストが壊れています: %1 文字目はどのスクランブル済みテキストも表していません。何も復号されませんでした。</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>テキストの %1 文字目が有効な UTF-8 ではありません。読み取れるのは UTF-8 のテキストだけです。</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>テキストの %1 文字目「%2」(%3) は、暗号化されたテキストには含まれ得ない文字です。</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>印字可能なテキストが %1 文字あり、1 つの QR コードに収まる最大 %2 文字を超えています。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>暗号化しました: 出力は %1 文字です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>復号しました: %1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>入力:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>出力:</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>復号(&amp;D)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>最前面に表示</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>印字可能なテキストとしてコピー(&amp;N)</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>最前面を解除</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>コピーするスクランブル済みテキストがありません。出力には「暗号化」が書き込んだ内容がありません。先に行を暗号化してください。</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>スクランブル済みテキストを印字可能なテキストとしてコピーしました。</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>エラーが発生しました</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>QR コードとして表示(&amp;Q)</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>表示するスクランブル済みテキストがありません。出力には「暗号化」が書き込んだ内容がありません。先に行を暗号化してください。</translation>
    </message>
</context>
<context>
    <name>vellum::window::QrCodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>QR コード</translation>
    </message>
    <message>
        <source>This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.</source>
        <translation>このコードには、下に示すスクランブル済みテキストの印字可能な形式が入っています。カメラアプリは読み取った内容を履歴に残します。</translation>
    </message>
</context>
</TS>
