// The page's own code: the captions in the reader's language, the commands over the core's
// binding, and what a screen reader hears. No format is read or written here.
"use strict";

const vellumCatalogues = /* the catalogues, filled in when the page is made */ VELLUM_CATALOGUES;

// The reader's first language that ships, or English, which every text is written in.
function chosenLanguage() {
    for (const wanted of navigator.languages || [navigator.language || "en"]) {
        const tag = wanted.toLowerCase();
        const found = Object.keys(vellumCatalogues).find(
            (shipped) => tag === shipped.toLowerCase() || tag.startsWith(shipped.toLowerCase() + "-"));
        if (found)
            return found;
        if (tag === "en" || tag.startsWith("en-"))
            return "en";
    }
    return "en";
}

const language = chosenLanguage();
const served = /^https?:$/.test(location.protocol);
const catalogue = vellumCatalogues[language] || {plural: () => 0, texts: {}};

// A text in the reader's language, under the context the catalogues file it under, in the plural
// form that `count` takes where it tells a number; named as lupdate reads it, so that the page's
// texts go into the window's catalogues.
function qsTranslate(context, english, disambiguation, count) {
    const found = catalogue.texts[context + "\u0004" + english];
    if (Array.isArray(found))
        return count === undefined ? english : found[catalogue.plural(count)] || english;
    return found || english;
}

const element = (id) => document.getElementById(id);
const input = element("input");
const output = element("output");
const alertBox = element("alert");
const status = element("status");

// A caption with an access key marked by "&": the key for the button, the caption without it.
function setCaption(button, caption) {
    const marker = caption.indexOf("&");
    button.textContent = caption.replace("&", "");
    if (marker >= 0 && marker + 1 < caption.length)
        button.accessKey = caption[marker + 1].toLowerCase();
}

function showCaptions() {
    document.documentElement.lang = language;
    // Which way the language reads, as its catalogue tells the window.
    document.documentElement.dir = catalogue.texts["QGuiApplication\u0004QT_LAYOUT_DIRECTION"] === "RTL" ? "rtl" : "ltr";
    element("about").textContent = qsTranslate("Page", "Scrambles a line of text and unscrambles it again, in this page alone: nothing leaves it and nothing is kept. It is a scrambler, not encryption: anyone who has this page or Vellumark9 can read every text it makes.");
    element("input-label").textContent = qsTranslate("vellum::window::Form1", "Input:");
    element("output-label").textContent = qsTranslate("vellum::window::Form1", "Output:");
    setCaption(element("encrypt"), qsTranslate("vellum::window::Form1", "Encrypt"));
    // Browsers keep Alt+D, Alt+E and Alt+F for themselves: the page's Decrypt has a key of its own.
    setCaption(element("decrypt"), qsTranslate("Page", "Dec&rypt"));
    setCaption(element("copy"), qsTranslate("Page", "Copy"));
    setCaption(element("copy-printable"), qsTranslate("vellum::window::Form1", "Copy as &Printable Text").replace("&", ""));
    setCaption(element("copy-link"), qsTranslate("Page", "Copy Link"));
    element("copy-link").hidden = !served;
    setCaption(element("show-qr"), qsTranslate("vellum::window::Form1", "Show as &QR Code").replace("&", ""));
    element("qr-title").textContent = qsTranslate("vellum::window::QrCodeDialog", "QR Code");
    element("qr-says").textContent = served
        ? qsTranslate("Page", "This code holds a link to this page with the scrambled text after it. Camera apps keep what they read in their history.")
        : qsTranslate("vellum::window::QrCodeDialog", "This code holds the printable form of the scrambled text below. Camera apps keep what they read in their history.");
    setCaption(element("qr-close"), qsTranslate("Page", "Close"));
}

let core = null;
let lastCipherText = "";

function announce(text) {
    // Emptied first, so that the same words said twice are heard twice.
    status.textContent = "";
    setTimeout(() => { status.textContent = text; }, 50);
}

function showAlert(lines) {
    alertBox.replaceChildren(...lines.map((line, at) => {
        const piece = document.createElement(at === 0 && lines.length > 1 ? "strong" : "p");
        piece.textContent = line;
        return piece;
    }));
    alertBox.hidden = false;
}

function clearAlert() {
    alertBox.hidden = true;
    alertBox.replaceChildren();
}

// Runs one cipher command over the input: the output and an announcement when it works, the
// error, its source and its description when it does not, and the output kept as it was.
function runCommand(cipher, announcement) {
    clearAlert();
    const outcome = cipher(input.value);
    try {
        if (!outcome.done) {
            const count = outcome.count < 0 ? undefined : outcome.count;
            const description = core.filled(qsTranslate(outcome.context, outcome.english, "", count), outcome.arguments);
            showAlert([qsTranslate("vellum::window::Form1", "Error Occurred"), outcome.source, description]);
            return false;
        }
        output.value = outcome.line;
        announce(announcement(outcome.line));
        return true;
    } finally {
        outcome.arguments.delete();
    }
}

function encrypt() {
    if (runCommand(core.encryptLine, (line) =>
            qsTranslate("vellum::window::Form1", "Encrypted: %1 characters in the output.", "", line.length).replace("%1", String(line.length))))
        lastCipherText = output.value;
}

function decrypt() {
    runCommand(core.decryptLine, (line) => qsTranslate("vellum::window::Form1", "Decrypted: %1").replace("%1", line));
}

// The browser keeps the clipboard from pages that are not a secure context, served over plain
// http from another machine.
function copyText(text, said) {
    const written = navigator.clipboard ? navigator.clipboard.writeText(text) : Promise.reject();
    written.then(() => announce(said), () => showAlert([qsTranslate("Page",
        "The clipboard cannot be written here: select the text and copy it yourself.")]));
}

// Only what Encrypt last wrote and the output still holds, never a plaintext; otherwise
// `nothingThere` is said, and there is none.
function printableFormOrSay(nothingThere = qsTranslate("vellum::window::Form1", "There is no scrambled text to copy: the output does not hold what Encrypt wrote there. Encrypt a line first.")) {
    if (lastCipherText === "" || output.value !== lastCipherText) {
        showAlert([nothingThere]);
        return null;
    }
    clearAlert();
    return core.printableForm(lastCipherText);
}

function copyPrintable() {
    const form = printableFormOrSay();
    if (form !== null)
        copyText(form, qsTranslate("vellum::window::Form1", "Copied the scrambled text as printable text."));
}

function copyLink() {
    const form = printableFormOrSay();
    if (form !== null)
        copyText(location.href.split("#")[0] + "#" + form, qsTranslate("Page", "Copied the link."));
}

// The code holds the page's own address with the printable form after "#", where the page is
// served, so that a phone's camera opens it there; opened from a file, the form alone.
function showQrCode() {
    const form = printableFormOrSay(qsTranslate("vellum::window::Form1", "There is no scrambled text to show: the output does not hold what Encrypt wrote there. Encrypt a line first."));
    if (form === null)
        return;
    const held = served ? location.href.split("#")[0] + "#" + form : form;
    const outcome = core.qrCode(held);
    try {
        if (!outcome.done) {
            const count = outcome.count < 0 ? undefined : outcome.count;
            showAlert([core.filled(qsTranslate(outcome.context, outcome.english, "", count), outcome.arguments)]);
            return;
        }
        drawQrCode(outcome.line);
    } finally {
        outcome.arguments.delete();
    }
    element("qr-holds").textContent = held;
    element("qr-dialog").showModal();
    element("qr-close").focus();
}

// The modules, "1" for dark row by row, as one path inside the code's quiet zone.
function drawQrCode(modules) {
    const size = Math.sqrt(modules.length);
    const quiet = core.qrQuietZone;
    const side = size + 2 * quiet;
    let path = "";
    for (let at = 0; at < modules.length; ++at)
        if (modules[at] === "1")
            path += `M${at % size + quiet} ${Math.floor(at / size) + quiet}h1v1h-1z`;
    const svg = element("qr-code");
    svg.setAttribute("viewBox", `0 0 ${side} ${side}`);
    svg.replaceChildren();
    const namespace = "http://www.w3.org/2000/svg";
    const ground = document.createElementNS(namespace, "rect");
    ground.setAttribute("width", side);
    ground.setAttribute("height", side);
    ground.setAttribute("fill", "#ffffff");
    const dark = document.createElementNS(namespace, "path");
    dark.setAttribute("d", path);
    dark.setAttribute("fill", "#000000");
    svg.append(ground, dark);
}

// A printable form after "#" in the address is decrypted at once; it never leaves the browser.
function decryptAddress() {
    const form = decodeURIComponent(location.hash.slice(1));
    if (!form.startsWith("vm9_"))
        return;
    input.value = form;
    decrypt();
}

function connect() {
    element("encrypt").addEventListener("click", encrypt);
    element("decrypt").addEventListener("click", decrypt);
    element("copy").addEventListener("click", () => copyText(output.value, qsTranslate("Page", "Copied the output.")));
    element("copy-printable").addEventListener("click", copyPrintable);
    element("copy-link").addEventListener("click", copyLink);
    element("show-qr").addEventListener("click", showQrCode);
    element("qr-close").addEventListener("click", () => element("qr-dialog").close());
    // Enter encrypts, as in the window; Shift+Enter makes a line break.
    input.addEventListener("keydown", (event) => {
        if (event.key === "Enter" && !event.shiftKey && !event.isComposing) {
            event.preventDefault();
            encrypt();
        }
    });
    window.addEventListener("hashchange", decryptAddress);
}

showCaptions();
// Debian 12's Emscripten hands back the module with a promise that it is ready, later ones a
// promise of the module.
Promise.resolve(createVellumark9()).then((made) => made.ready || made).then((module) => {
    core = module;
    connect();
    for (const button of document.querySelectorAll("button"))
        button.disabled = false;
    decryptAddress();
    document.body.dataset.ready = "true";
    performance.mark("vellumark9-ready"); // when the page can be used, for bench/page_bench.py
});
