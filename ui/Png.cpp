#include "ui/Png.h"

#include <zlib.h>

#include <cstring>

#include "ui/Exception.h"

namespace ui {

namespace {

uint32_t BigEndian(std::string_view d, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(d[at])) << 24 | static_cast<uint32_t>(static_cast<uint8_t>(d[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(d[at + 2])) << 8 | static_cast<uint8_t>(d[at + 3]);
}

uint8_t Paeth(int a, int b, int c) {
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

struct Header {
    uint32_t width = 0, height = 0;
    int depth = 0, colorType = 0;
    int Channels() const { return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1; }
    size_t RowBytes() const { return (static_cast<size_t>(width) * Channels() * depth + 7) / 8; }
};

class Decoder {
public:
    Decoder(std::string_view file, const std::wstring& name) : file_(file), name_(name) {}

    TPixels32 Run() {
        static const char signature[] = "\x89PNG\r\n\x1a\n";
        if (file_.size() < 8 || file_.compare(0, 8, std::string_view(signature, 8)) != 0) Fail(L"не PNG");
        ReadChunks();
        std::vector<uint8_t> raw = Inflate();
        Unfilter(raw);
        return Convert(raw);
    }

private:
    [[noreturn]] void Fail(const std::wstring& why) const {
        throw Exception(L"Изображение \"" + name_ + L"\" повреждено: " + why);
    }

    void ReadChunks() {
        bool ended = false, header = false;
        for (size_t at = 8; !ended;) {
            if (file_.size() - at < 12) Fail(L"файл обрывается");
            uint32_t length = BigEndian(file_, at);
            if (length > 0x7FFFFFFF || file_.size() - at - 12 < length) Fail(L"файл обрывается");
            std::string_view type = file_.substr(at + 4, 4), data = file_.substr(at + 8, length);
            uint32_t crc = static_cast<uint32_t>(
                crc32(0, reinterpret_cast<const Bytef*>(file_.data() + at + 4), static_cast<uInt>(length + 4)));
            if (crc != BigEndian(file_, at + 8 + length)) Fail(L"неверная контрольная сумма");
            at += 12 + length;
            if (type == "IHDR") {
                ParseHeader(data);
                header = true;
            } else if (!header) {
                Fail(L"нет заголовка");
            } else if (type == "PLTE") {
                if (length % 3 || length / 3 > 256) Fail(L"неверная палитра");
                palette_.assign(data.begin(), data.end());
            } else if (type == "tRNS") {
                transparency_.assign(data.begin(), data.end());
            } else if (type == "IDAT") {
                compressed_.append(data);
            } else if (type == "IEND") {
                ended = true;
            } else if (!(type[0] & 0x20)) {
                Fail(L"неизвестный обязательный блок");
            }
        }
        if (compressed_.empty()) Fail(L"нет данных изображения");
        if (h_.colorType == 3 && palette_.empty()) Fail(L"нет палитры");
    }

    void ParseHeader(std::string_view d) {
        if (d.size() != 13) Fail(L"неверный заголовок");
        h_.width = BigEndian(d, 0);
        h_.height = BigEndian(d, 4);
        h_.depth = static_cast<uint8_t>(d[8]);
        h_.colorType = static_cast<uint8_t>(d[9]);
        if (h_.width == 0 || h_.height == 0 || h_.width > 16384 || h_.height > 16384) Fail(L"недопустимый размер");
        bool lowDepth = (h_.colorType == 0 || h_.colorType == 3) && (h_.depth == 1 || h_.depth == 2 || h_.depth == 4);
        bool known = h_.colorType == 0 || h_.colorType == 2 || h_.colorType == 3 || h_.colorType == 4 || h_.colorType == 6;
        if (!known || !(h_.depth == 8 || lowDepth)) Fail(L"этот вид PNG не поддерживается");
        if (d[10] != 0 || d[11] != 0) Fail(L"неизвестный способ сжатия");
        if (d[12] != 0) Fail(L"чересстрочные изображения не поддерживаются");
    }

    std::vector<uint8_t> Inflate() {
        size_t expected = static_cast<size_t>(h_.height) * (1 + h_.RowBytes());
        // Deflate packs at most about 1032 bytes into one; a header that claims more is
        // refused before its buffer is allocated.
        if (expected / 1032 > compressed_.size()) Fail(L"размер не соответствует данным");
        std::vector<uint8_t> raw(expected + 1);
        uLongf size = static_cast<uLongf>(raw.size());
        int r = uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(compressed_.data()),
                           static_cast<uLong>(compressed_.size()));
        if (r != Z_OK || size != expected) Fail(L"неверные сжатые данные");
        raw.resize(expected);
        return raw;
    }

    void Unfilter(std::vector<uint8_t>& raw) {
        size_t row = h_.RowBytes(), bpp = std::max<size_t>(1, static_cast<size_t>(h_.Channels() * h_.depth) / 8);
        for (size_t y = 0; y < h_.height; ++y) {
            uint8_t* line = raw.data() + y * (row + 1);
            uint8_t filter = line[0];
            uint8_t* cur = line + 1;
            const uint8_t* prev = y ? cur - (row + 1) : nullptr;
            for (size_t i = 0; i < row; ++i) {
                int a = i >= bpp ? cur[i - bpp] : 0, b = prev ? prev[i] : 0, c = prev && i >= bpp ? prev[i - bpp] : 0;
                switch (filter) {
                case 0: break;
                case 1: cur[i] = static_cast<uint8_t>(cur[i] + a); break;
                case 2: cur[i] = static_cast<uint8_t>(cur[i] + b); break;
                case 3: cur[i] = static_cast<uint8_t>(cur[i] + (a + b) / 2); break;
                case 4: cur[i] = static_cast<uint8_t>(cur[i] + Paeth(a, b, c)); break;
                default: Fail(L"неизвестный фильтр строки");
                }
            }
        }
    }

    // The sample at index i of a row, for depths below 8.
    uint8_t Sample(const uint8_t* row, size_t i) const {
        int perByte = 8 / h_.depth;
        int shift = 8 - h_.depth * (1 + static_cast<int>(i % perByte));
        return static_cast<uint8_t>((row[i / perByte] >> shift) & ((1 << h_.depth) - 1));
    }

    TPixels32 Convert(const std::vector<uint8_t>& raw) const {
        TPixels32 out;
        out.Width = static_cast<int>(h_.width);
        out.Height = static_cast<int>(h_.height);
        out.Pixels.resize(static_cast<size_t>(h_.width) * h_.height);
        size_t row = h_.RowBytes();
        for (size_t y = 0; y < h_.height; ++y) {
            const uint8_t* p = raw.data() + y * (row + 1) + 1;
            for (size_t x = 0; x < h_.width; ++x) out.Pixels[y * h_.width + x] = Pixel(p, x);
        }
        return out;
    }

    uint32_t Pixel(const uint8_t* row, size_t x) const {
        auto argb = [](uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return a << 24 | r << 16 | g << 8 | b; };
        switch (h_.colorType) {
        case 0: {
            uint8_t v = h_.depth == 8 ? row[x] : Sample(row, x);
            uint8_t grey = static_cast<uint8_t>(v * 255 / ((1 << h_.depth) - 1));
            bool keyed = transparency_.size() >= 2 && ((transparency_[0] << 8) | transparency_[1]) == v;
            return argb(keyed ? 0 : 255, grey, grey, grey);
        }
        case 2: {
            const uint8_t* p = row + 3 * x;
            bool keyed = transparency_.size() >= 6 && transparency_[1] == p[0] && transparency_[3] == p[1] &&
                         transparency_[5] == p[2] && transparency_[0] == 0 && transparency_[2] == 0 && transparency_[4] == 0;
            return argb(keyed ? 0 : 255, p[0], p[1], p[2]);
        }
        case 3: {
            size_t index = h_.depth == 8 ? row[x] : Sample(row, x);
            if (3 * index + 2 >= palette_.size()) Fail(L"индекс вне палитры");
            uint8_t alpha = index < transparency_.size() ? transparency_[index] : 255;
            return argb(alpha, palette_[3 * index], palette_[3 * index + 1], palette_[3 * index + 2]);
        }
        case 4: return argb(row[2 * x + 1], row[2 * x], row[2 * x], row[2 * x]);
        default: {
            const uint8_t* p = row + 4 * x;
            return argb(p[3], p[0], p[1], p[2]);
        }
        }
    }

    std::string_view file_;
    const std::wstring& name_;
    Header h_;
    std::vector<uint8_t> palette_, transparency_;
    std::string compressed_;
};

}  // namespace

TPixels32 DecodePng(std::string_view file, const std::wstring& name) { return Decoder(file, name).Run(); }

}  // namespace ui
