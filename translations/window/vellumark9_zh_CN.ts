<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>解密已加密数据时出错。</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>加密数据时出错。</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>仅在本页面内打乱一行文本并将其还原：任何内容都不会离开本页面，也不会被保存。这只是文本打乱工具，并非加密：任何拥有本页面或 Vellumark9 的人都能读出它生成的每一段文本。</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>解密(&amp;R)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>此处无法写入剪贴板：请选中文本并自行复制。</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>已复制链接。</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>已复制输出。</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>此二维码包含指向本页面的链接，链接后面附有打乱后的文本。相机应用会在历史记录中保留它们读取的内容。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>加密文本已损坏：文本被截短了。未解密任何内容。</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>加密文本已损坏：第 %1 个字符与其结构不符。未解密任何内容。</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>可打印文本已损坏：它不是以 %1 开头的。未解密任何内容。</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>可打印文本已损坏：第 %1 个字符不是字母、数字或下划线。未解密任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>可打印文本已损坏：它有 %1 个字符，而可打印文本不会是这个长度。未解密任何内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>可打印文本已损坏：校验不符，说明其中有字符被改动、增加或丢失。未解密任何内容。</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>可打印文本已损坏：第 %1 个字符不对应任何打乱后的文本。未解密任何内容。</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>文本的第 %1 个字符不是有效的 UTF-8；只能读取 UTF-8 文本。</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>文本的第 %1 个字符“%2”（%3）不能出现在加密文本中。</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>可打印文本有 %1 个字符，超出了一个二维码最多能容纳的 %2 个字符。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>已加密：输出中有 %1 个字符。</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>已解密：%1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>输入：</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>输出：</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>解密(&amp;D)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>复制为可打印文本(&amp;B)</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>取消置顶</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>没有可复制的打乱后文本：输出框中的内容不是“加密”写入的。请先加密一行文本。</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>已将打乱后的文本复制为可打印文本。</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>发生错误</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>显示为二维码(&amp;Q)</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>没有可显示的打乱后文本：输出框中的内容不是“加密”写入的。请先加密一行文本。</translation>
    </message>
</context>
<context>
    <name>vellum::window::QrCodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.</source>
        <translation>此二维码包含下方所示打乱后文本的可打印形式。相机应用会在历史记录中保留它们读取的内容。</translation>
    </message>
</context>
</TS>
