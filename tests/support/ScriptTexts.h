#pragma once
// Caption texts for the tests of text in any script: texts code page 932 cannot hold (each a
// script of its own, a character beyond the basic plane, emoji, right-to-left), and Japanese
// captions as newsrooms write them, which it holds byte for byte.
#include <string>
#include <vector>

namespace testing_support {

struct ScriptText {
    const char* what;
    std::wstring text;
};

inline const std::vector<ScriptText>& TextsBeyondCodePage932() {
    static const std::vector<ScriptText> texts = {
        {"Latin with accents", L"Café Zürich – Ærøskøbing"},
        {"Greek", L"Ελλάδα και Αθήνα"},
        {"Korean", L"한국어 뉴스 속보"},
        {"beyond the basic plane", L"𠮷野家の牛丼"},
        {"emoji", L"晴れ 😀 🎉"},
        {"Hebrew", L"שלום עולם"},
        {"Arabic", L"مرحبا بالعالم"},
        {"mixed scripts", L"東京 Tokyo 서울 Αθήνα"},
    };
    return texts;
}

// Latin with accents, Greek, Korean, a character beyond the basic plane among kanji, an emoji,
// Hebrew, Arabic, and a mix code page 932 holds.
inline const std::vector<std::wstring>& WorldTexts() {
    static const std::vector<std::wstring> texts = {
        L"Café Zürich", L"Ελλάδα", L"한국어", L"𠮷野家", L"😀", L"שלום", L"مرحبا", L"東京 Tokyo 2026",
    };
    return texts;
}

// Code page 932 holds these: half-width kana, NEC and IBM extensions, symbols.
inline const std::vector<std::wstring>& CodePage932Texts() {
    static const std::vector<std::wstring> texts = {
        L"【速報】震度３", L"ｺﾝﾋﾟｭｰﾀｰ ｼｽﾃﾑ", L"①②③ ㈱ №12 髙橋 﨑山", L"★☆○●◎◇◆□■",
    };
    return texts;
}

// Japanese captions: kanji, hiragana, katakana, half-width kana, symbols, the NEC and IBM
// extensions, and ASCII among them, in code page 932 as the program's own texts are compiled.
inline const std::vector<std::string>& JapaneseCorpus() {
    static const std::vector<std::string> corpus = {
        "本日の天気は晴れ、最高気温は２５℃の予報です。",
        "【速報】東京都で震度３の地震がありました。津波の心配はありません",
        "ｺﾝﾋﾟｭｰﾀｰ ｼｽﾃﾑ ﾒﾝﾃﾅﾝｽのお知らせ",
        "ｱｲｳｴｵ ｶｷｸｹｺ ｻｼｽｾｿ ﾊﾝｶｸｶﾅ ﾃｽﾄ",
        "ﾃﾚﾋﾞ東京 ｱﾅｳﾝｻｰ 山田花子",
        "JR山手線 渋谷駅 10:30発 Tokyo行き (約5分遅れ) <運転再開>",
        "★☆○●◎◇◆□■△▲▽▼※〒→←↑↓♪",
        "①②③ ㈱キルン №12 髙橋 﨑山 ⅰⅱⅲ",
        "鬱蒼とした森の奥、齋藤さんの邸宅で鑑定会が開かれた",
        "ニュース・ヘッドライン：スポーツ／経済／国際",
        "「明日は雨」と気象庁。傘をお忘れなく！",
        "ｶﾞｷﾞｸﾞｹﾞｺﾞ ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ｡｢ﾃｽﾄ｣､･",
        "価格 1,980円（税込） 送料無料 ※一部地域を除く",
        "第１問 次の漢字の読みを答えよ 薔薇 檸檬 憂鬱 麒麟",
    };
    return corpus;
}

}  // namespace testing_support
