<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ComponentSecurity</name>
    <message>
        <source>Error deciphering encrypted data.</source>
        <translation>Erreur lors du déchiffrement des données chiffrées.</translation>
    </message>
    <message>
        <source>Error encrypting data.</source>
        <translation>Erreur lors du chiffrement des données.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.</source>
        <translation>Brouille une ligne de texte puis la débrouille, dans cette seule page : rien n’en sort et rien n’est conservé. C’est un brouilleur, pas du chiffrement : quiconque a cette page ou Vellumark9 peut lire chaque texte qu’elle produit.</translation>
    </message>
    <message>
        <source>Dec&amp;rypt</source>
        <translation>Déchiff&amp;rer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>The clipboard cannot be written here: select the text and copy it yourself.</source>
        <translation>Le presse-papiers ne peut pas être écrit ici : sélectionnez le texte et copiez-le vous-même.</translation>
    </message>
    <message>
        <source>Copied the link.</source>
        <translation>Le lien a été copié.</translation>
    </message>
    <message>
        <source>Copied the output.</source>
        <translation>La sortie a été copiée.</translation>
    </message>
    <message>
        <source>This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.</source>
        <translation>Ce code contient un lien vers cette page suivi du texte brouillé. Les applications d’appareil photo gardent dans leur historique ce qu’elles lisent.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Le texte chiffré est endommagé : il a été tronqué. Rien n’a été déchiffré.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged: character %1 does not fit its structure. Nothing was decrypted.</source>
        <translation>Le texte chiffré est endommagé : le caractère %1 ne correspond pas à sa structure. Rien n’a été déchiffré.</translation>
    </message>
    <message>
        <source>The printable text is damaged: it does not begin with %1. Nothing was decrypted.</source>
        <translation>Le texte imprimable est endommagé : il ne commence pas par %1. Rien n’a été déchiffré.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 is not a letter, a digit or an underscore. Nothing was decrypted.</source>
        <translation>Le texte imprimable est endommagé : le caractère %1 n’est ni une lettre, ni un chiffre, ni un tiret bas. Rien n’a été déchiffré.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text is damaged: it has %1 characters, a length no printable text has. Nothing was decrypted.</source>
        <translation>
            <numerusform>Le texte imprimable est endommagé : il compte %1 caractère, une longueur qu’aucun texte imprimable n’a. Rien n’a été déchiffré.</numerusform>
            <numerusform>Le texte imprimable est endommagé : il compte %1 caractères, une longueur qu’aucun texte imprimable n’a. Rien n’a été déchiffré.</numerusform>
        </translation>
    </message>
    <message>
        <source>The printable text is damaged: its check does not match, so a character in it was changed, added or lost. Nothing was decrypted.</source>
        <translation>Le texte imprimable est endommagé : sa somme de contrôle ne correspond pas, un caractère y a donc été modifié, ajouté ou perdu. Rien n’a été déchiffré.</translation>
    </message>
    <message>
        <source>The printable text is damaged: character %1 stands for no scrambled text. Nothing was decrypted.</source>
        <translation>Le texte imprimable est endommagé : le caractère %1 ne correspond à aucun texte brouillé. Rien n’a été déchiffré.</translation>
    </message>
    <message>
        <source>Character %1 of the text is not valid UTF-8; only UTF-8 text can be read.</source>
        <translation>Le caractère %1 du texte n’est pas de l’UTF-8 valide ; seul du texte UTF-8 peut être lu.</translation>
    </message>
    <message>
        <source>Character %1 of the text, &quot;%2&quot; (%3), cannot be part of an encrypted text.</source>
        <translation>Le caractère %1 du texte, « %2 » (%3), ne peut pas faire partie d’un texte chiffré.</translation>
    </message>
    <message numerus="yes">
        <source>The printable text has %1 characters, too many for one QR code, which holds at most %2.</source>
        <translation>
            <numerusform>Le texte imprimable compte %1 caractère, trop pour un seul code QR, qui en contient au plus %2.</numerusform>
            <numerusform>Le texte imprimable compte %1 caractères, trop pour un seul code QR, qui en contient au plus %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellum::window::Form1</name>
    <message numerus="yes">
        <source>Encrypted: %1 characters in the output.</source>
        <translation>
            <numerusform>Chiffré : %1 caractère dans la sortie.</numerusform>
            <numerusform>Chiffré : %1 caractères dans la sortie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Decrypted: %1</source>
        <translation>Déchiffré : %1</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrée :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Sortie :</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Déchiffrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Au premier plan</translation>
    </message>
    <message>
        <source>Copy as &amp;Printable Text</source>
        <translation>Copier en texte im&amp;primable</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Libérer</translation>
    </message>
    <message>
        <source>There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Il n’y a aucun texte brouillé à copier : la sortie ne contient pas ce que « Chiffrer » y a écrit. Chiffrez d’abord une ligne.</translation>
    </message>
    <message>
        <source>Copied the scrambled text as printable text.</source>
        <translation>Texte brouillé copié en texte imprimable.</translation>
    </message>
    <message>
        <source>Error Occurred</source>
        <translation>Une erreur s’est produite</translation>
    </message>
    <message>
        <source>Show as &amp;QR Code</source>
        <translation>Afficher en code &amp;QR</translation>
    </message>
    <message>
        <source>There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first.</source>
        <translation>Il n’y a aucun texte brouillé à afficher : la sortie ne contient pas ce que « Chiffrer » y a écrit. Chiffrez d’abord une ligne.</translation>
    </message>
</context>
<context>
    <name>vellum::window::QrCodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>Code QR</translation>
    </message>
    <message>
        <source>This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.</source>
        <translation>Ce code contient la forme imprimable du texte brouillé ci-dessous. Les applications d’appareil photo gardent dans leur historique ce qu’elles lisent.</translation>
    </message>
</context>
</TS>
