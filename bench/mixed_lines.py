#!/usr/bin/env python3
"""Writes COUNT lines of interface text in 18 languages, as translation catalogues hold them:
each line one to three phrases of one language, with now and then a typographic quote, a dash,
an ellipsis, a euro sign or an emoji. The same lines every time.
    bench/mixed_lines.py COUNT > lines.txt"""
import random
import sys

PHRASES = {
    "en": ["Open the file", "Save changes before closing?", "Couldn’t connect to the server",
           "Settings", "Print preview…"],
    "de": ["Datei öffnen", "Änderungen vor dem Schließen speichern?", "Größe anpassen",
           "Einstellungen – Übersicht"],
    "fr": ["Ouvrir le fichier", "Enregistrer les modifications ?", "Échec de la connexion",
           "Préférences…", "« Aperçu avant impression »"],
    "es": ["Abrir el archivo", "¿Guardar los cambios antes de cerrar?", "Configuración",
           "Año, mes y día"],
    "it": ["Apri il file", "Salvare le modifiche?", "Impostazioni", "Perché non è possibile"],
    "pt": ["Abrir o ficheiro", "Não foi possível ligar ao servidor", "Configurações",
           "Pré-visualização de impressão"],
    "tr": ["Dosyayı aç", "Değişiklikler kaydedilsin mi?", "Ayarlar", "Bağlantı başarısız oldu"],
    "pl": ["Otwórz plik", "Zapisać zmiany przed zamknięciem?", "Ustawienia", "Błąd połączenia"],
    "ru": ["Открыть файл", "Сохранить изменения перед закрытием?", "Настройки",
           "Не удалось подключиться к серверу"],
    "uk": ["Відкрити файл", "Зберегти зміни?", "Параметри", "Помилка з’єднання"],
    "el": ["Άνοιγμα αρχείου", "Αποθήκευση αλλαγών;", "Ρυθμίσεις", "Αποτυχία σύνδεσης"],
    "ja": ["ファイルを開く", "変更を保存しますか？", "設定", "サーバーに接続できませんでした"],
    "zh": ["打开文件", "关闭前保存更改？", "设置", "无法连接到服务器"],
    "ko": ["파일 열기", "닫기 전에 변경 사항을 저장하시겠습니까?", "설정", "서버에 연결할 수 없습니다"],
    "hi": ["फ़ाइल खोलें", "बंद करने से पहले परिवर्तन सहेजें?", "सेटिंग्स", "सर्वर से कनेक्ट नहीं हो सका"],
    "ar": ["فتح الملف", "حفظ التغييرات قبل الإغلاق؟", "الإعدادات", "تعذر الاتصال بالخادم"],
    "he": ["פתח קובץ", "לשמור שינויים לפני הסגירה?", "הגדרות"],
    "cs": ["Otevřít soubor", "Uložit změny před zavřením?", "Nastavení", "Připojení selhalo"],
}
EXTRAS = [" — 5 €", " “%s”", " …", " 😀", " 👍🏽", ""]


def main():
    count = int(sys.argv[1])
    generator = random.Random(9)
    languages = sorted(PHRASES)
    out = []
    for _ in range(count):
        phrases = PHRASES[generator.choice(languages)]
        line = " ".join(generator.choice(phrases) for _ in range(generator.randint(1, 3)))
        extra = generator.choice(EXTRAS)
        out.append(line + (extra % "OK" if "%s" in extra else extra))
    sys.stdout.write("\n".join(out) + "\n")


main()
