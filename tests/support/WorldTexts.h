#pragma once
// Texts in scripts code page 932 cannot hold, and Japanese ones it can, for the ways a caption
// comes in: each must arrive exactly as it was written.
#include <string>
#include <vector>

namespace testing_support {

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

}  // namespace testing_support
