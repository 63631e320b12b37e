#pragma once
// A QR code of a short text (the remote's pairing address), drawn black on white with its quiet
// zone of four modules, each module a whole number of pixels so that a phone's camera reads it
// from the screen.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class QrPicture {
public:
    QrPicture();

    // Encodes the text (medium error correction); false, and nothing to draw, when it is empty
    // or too long for a QR code.
    bool encode(const std::string& text);
    void clear() { m_size = 0; }
    // Modules a side; 0 when there is nothing to draw.
    int size() const { return m_size; }
    bool dark(int x, int y) const;
    // Draws the code as large as fits, centred in `area`, on white; white alone when there is
    // nothing to draw. False when a GDI call failed.
    bool draw(HDC dc, const RECT& area) const;
    // The pixels of one module when drawn into `area`.
    int modulePixels(const RECT& area) const;

private:
    std::vector<std::uint8_t> m_code;
    int m_size = 0;
};
