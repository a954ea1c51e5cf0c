<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>Erro ao decifrar os dados criptografados.</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>Erro ao criptografar os dados.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>Embaralha uma linha de texto e a desembaralha de novo, apenas nesta página: nada sai dela e nada é guardado. É um embaralhador, não criptografia: qualquer pessoa que tenha esta página ou o Vellumark9 pode ler todo texto que ela produz.</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>Desc&amp;riptografar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>Não é possível escrever na área de transferência aqui: selecione o texto e copie-o você mesmo.</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>Link copiado.</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>Saída copiada.</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>Este código contém um link para esta página seguido do texto embaralhado. Os aplicativos de câmera guardam no histórico o que leem.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>O texto criptografado está danificado: ele foi cortado. Nada foi descriptografado.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>O texto criptografado está danificado: o caractere %1 não se encaixa na sua estrutura. Nada foi descriptografado.</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>O texto imprimível está danificado: ele não começa com %1. Nada foi descriptografado.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>O texto imprimível está danificado: o caractere %1 não é letra, dígito nem sublinhado. Nada foi descriptografado.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>O texto imprimível está danificado: ele tem %1 caractere, um comprimento que nenhum texto imprimível tem. Nada foi descriptografado.</numerusform>
            <numerusform>O texto imprimível está danificado: ele tem %1 caracteres, um comprimento que nenhum texto imprimível tem. Nada foi descriptografado.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>O texto imprimível está danificado: sua soma de verificação não confere, então um caractere nele foi alterado, adicionado ou perdido. Nada foi descriptografado.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>O texto imprimível está danificado: o caractere %1 não representa nenhum texto embaralhado. Nada foi descriptografado.</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>O caractere %1 do texto não é UTF-8 válido; só é possível ler texto em UTF-8.</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>O caractere %1 do texto, “%2” (%3), não pode fazer parte de um texto criptografado.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>O texto imprimível tem %1 caractere: é longo demais para um único código QR, que comporta no máximo %2.</numerusform>
            <numerusform>O texto imprimível tem %1 caracteres: é longo demais para um único código QR, que comporta no máximo %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>Criptografado: %1 caractere na saída.</numerusform>
            <numerusform>Criptografado: %1 caracteres na saída.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>Descriptografado: %1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Saída:</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Criptografar</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Descriptografar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Manter acima</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>Copiar como texto &amp;imprimível</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Não há texto embaralhado para copiar: a saída não contém o que “Criptografar” escreveu nela. Criptografe uma linha primeiro.</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>Texto embaralhado copiado como texto imprimível.</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>Ocorreu um erro</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>Mostrar como código &amp;QR</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Não há texto embaralhado para mostrar: a saída não contém o que “Criptografar” escreveu nela. Criptografe uma linha primeiro.</translation>
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
        <translation>Este código contém a forma imprimível do texto embaralhado abaixo. Os aplicativos de câmera guardam no histórico o que leem.</translation>
    </message>
</context>
</TS>
