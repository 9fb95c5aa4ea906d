#include "base/base_file.h"

#include "base/file_io.h"
#include "text/cp1251.h"

#include <cstring>

namespace timyanka::base {
namespace {

// The smallest record: National, an empty name, two zero counts and three codes.
constexpr std::size_t kMinRecordSize = 4 + 5 + 4 + 4 + 12;
constexpr std::size_t kMinStringSize = 5;

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Offset() const { return pos_; }
    std::size_t Left() const { return bytes_.size() - pos_; }

    bool Int32(int32_t& v) {
        if (Left() < 4) {
            return false;
        }
        const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
        v = static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                 static_cast<uint32_t>(p[2]) << 16 |
                                 static_cast<uint32_t>(p[3]) << 24);
        pos_ += 4;
        return true;
    }

    // A length-prefixed string; the text ends at its first zero byte.
    ParseFault String(std::string& out, int64_t& badValue) {
        int32_t len = 0;
        if (!Int32(len)) {
            return ParseFault::Truncated;
        }
        if (len < 1 || len > static_cast<int32_t>(kMaxStoredString + 1)) {
            pos_ -= 4;
            badValue = len;
            return ParseFault::BadStringLength;
        }
        if (Left() < static_cast<std::size_t>(len)) {
            return ParseFault::Truncated;
        }
        const char* p = bytes_.data() + pos_;
        const void* zero = std::memchr(p, 0, static_cast<std::size_t>(len));
        if (zero == nullptr) {
            pos_ -= 4;
            return ParseFault::MissingZeroByte;
        }
        out.assign(p, static_cast<const char*>(zero));
        pos_ += static_cast<std::size_t>(len);
        return ParseFault::None;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

ParseResult Fail(ParseFault fault, std::size_t offset, int32_t record, int64_t value = 0) {
    ParseResult r;
    r.status =
        fault == ParseFault::TooManyRecepts ? ParseStatus::TooManyRecepts : ParseStatus::Malformed;
    r.fault = fault;
    r.offset = offset;
    r.record = record;
    r.value = value;
    return r;
}

ParseFault ReadLines(Reader& in, Lines& lines, std::size_t& faultOffset, int64_t& value) {
    int32_t count = 0;
    faultOffset = in.Offset();
    if (!in.Int32(count)) {
        return ParseFault::Truncated;
    }
    if (count < 0) {
        value = count;
        return ParseFault::NegativeLineCount;
    }
    // Each line takes at least five bytes: a count beyond what is left cannot be right, and
    // nothing is reserved on its word.
    if (static_cast<std::size_t>(count) > in.Left() / kMinStringSize) {
        faultOffset = in.Offset() + in.Left();
        return ParseFault::Truncated;
    }
    lines.resize(static_cast<std::size_t>(count));
    for (auto& line : lines) {
        faultOffset = in.Offset();
        const ParseFault f = in.String(line, value);
        if (f != ParseFault::None) {
            if (f == ParseFault::Truncated) {
                faultOffset = in.Offset();
            }
            return f;
        }
    }
    return ParseFault::None;
}

void PutInt32(std::string& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
    out.append(b, 4);
}

void PutString(std::string& out, const std::string& s) {
    PutInt32(out, static_cast<int32_t>(s.size() + 1));
    out.append(s);
    out.push_back('\0');
}

std::size_t SerializedSize(std::span<const TRecept> recepts) {
    std::size_t size = 4;
    for (const TRecept& r : recepts) {
        size += kMinRecordSize - kMinStringSize + 4 + r.Name.size() + 1;
        for (const auto* lines : {&r.Ingridient, &r.Text}) {
            for (const auto& l : *lines) {
                size += 5 + l.size();
            }
        }
    }
    return size;
}

} // namespace

ParseResult ParseBase(std::string_view bytes, int32_t capacity, std::vector<TRecept>& out) {
    out.clear();
    Reader in(bytes);
    int32_t count = 0;
    if (!in.Int32(count)) {
        return {}; // too short to hold a count: an empty base
    }
    if (count < 0) {
        return Fail(ParseFault::NegativeCount, 0, -1, count);
    }
    if (count > capacity) {
        return Fail(ParseFault::TooManyRecepts, 0, -1, count);
    }
    if (static_cast<std::size_t>(count) > in.Left() / kMinRecordSize) {
        return Fail(ParseFault::Truncated, bytes.size(), -1, count);
    }

    std::vector<TRecept> staged(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        TRecept& r = staged[static_cast<std::size_t>(i)];
        r.Id = i;
        std::size_t at = in.Offset();
        int64_t value = 0;
        if (!in.Int32(r.National)) {
            return Fail(ParseFault::Truncated, in.Offset(), i);
        }
        at = in.Offset();
        if (const ParseFault f = in.String(r.Name, value); f != ParseFault::None) {
            return Fail(f, f == ParseFault::Truncated ? in.Offset() : at, i, value);
        }
        for (Lines* lines : {&r.Ingridient, &r.Text}) {
            if (const ParseFault f = ReadLines(in, *lines, at, value); f != ParseFault::None) {
                return Fail(f, at, i, value);
            }
        }
        if (!in.Int32(r.Class) || !in.Int32(r.PodClass) || !in.Int32(r.Osoboe)) {
            return Fail(ParseFault::Truncated, bytes.size(), i);
        }
    }
    out = std::move(staged);
    return {};
}

std::string DescribeFault(const ParseResult& r) {
    switch (r.fault) {
    case ParseFault::None:
        return {};
    case ParseFault::NegativeCount:
        return "отрицательное число рецептов (" + std::to_string(r.value) + ")";
    case ParseFault::TooManyRecepts:
        return "рецептов больше, чем может вместить программа (" + std::to_string(r.value) + ")";
    case ParseFault::BadStringLength:
        return "недопустимая длина строки (" + std::to_string(r.value) + ")";
    case ParseFault::MissingZeroByte:
        return "строка без завершающего нулевого байта";
    case ParseFault::NegativeLineCount:
        return "отрицательное число строк (" + std::to_string(r.value) + ")";
    case ParseFault::Truncated:
        return "файл обрывается посреди рецепта";
    }
    return {};
}

namespace {

LoadResult FromParse(const ParseResult& parse) {
    LoadResult result;
    result.parse = parse;
    switch (parse.status) {
    case ParseStatus::Ok:
        break;
    case ParseStatus::Malformed:
        result.status = LoadStatus::Malformed;
        break;
    case ParseStatus::TooManyRecepts:
        result.status = LoadStatus::TooManyRecepts;
        break;
    }
    return result;
}

} // namespace

LoadResult ReadBaseFile(const std::string& path, int32_t capacity, std::vector<TRecept>& out) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        LoadResult result;
        result.status = LoadStatus::CannotOpen;
        return result;
    }
    return FromParse(ParseBase(bytes, capacity, out));
}

LoadResult LoadBaseBytes(ReceptStore& store, std::string_view bytes) {
    std::vector<TRecept> staged;
    const LoadResult result = FromParse(ParseBase(bytes, store.Capacity(), staged));
    if (result.status == LoadStatus::Ok) {
        store.ReplaceAll(std::move(staged));
    }
    return result;
}

LoadResult LoadBase(ReceptStore& store, const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        LoadResult result;
        result.status = LoadStatus::CannotOpen;
        return result;
    }
    return LoadBaseBytes(store, bytes);
}

std::string LoadMessage(LoadStatus status, int32_t capacity) {
    switch (status) {
    case LoadStatus::Ok:
        return {};
    case LoadStatus::CannotOpen:
        return "Файл не удается открыть! :(";
    case LoadStatus::Malformed:
        return "Файл поврежден или не является базой рецептов! :(";
    case LoadStatus::TooManyRecepts:
        return "В файле больше рецептов, чем может вместить программа (" +
               std::to_string(capacity) + ")! :(";
    }
    return {};
}

TooLongString FindTooLongString(std::span<const TRecept> recepts) {
    TooLongString t;
    for (const TRecept& r : recepts) {
        if (r.Name.size() > kMaxStoredString) {
            return {r.Id, RecordField::Name, 0, r.Name.size()};
        }
        for (auto [field, lines] : {std::pair{RecordField::Ingridient, &r.Ingridient},
                                    std::pair{RecordField::Text, &r.Text}}) {
            for (std::size_t i = 0; i < lines->size(); ++i) {
                if ((*lines)[i].size() > kMaxStoredString) {
                    return {r.Id, field, static_cast<int32_t>(i), (*lines)[i].size()};
                }
            }
        }
    }
    return t;
}

std::string SerializeBase(std::span<const TRecept> recepts) {
    std::string out;
    out.reserve(SerializedSize(recepts));
    PutInt32(out, static_cast<int32_t>(recepts.size()));
    for (const TRecept& r : recepts) {
        PutInt32(out, r.National);
        PutString(out, r.Name);
        for (const Lines* lines : {&r.Ingridient, &r.Text}) {
            PutInt32(out, static_cast<int32_t>(lines->size()));
            for (const auto& l : *lines) {
                PutString(out, l);
            }
        }
        PutInt32(out, r.Class);
        PutInt32(out, r.PodClass);
        PutInt32(out, r.Osoboe);
    }
    return out;
}

SaveResult SaveRecepts(std::span<const TRecept> recepts, const std::string& path) {
    SaveResult result;
    if (recepts.empty()) {
        result.status = SaveStatus::NothingToSave;
        return result;
    }
    result.tooLong = FindTooLongString(recepts);
    if (result.tooLong.id >= 0) {
        result.status = SaveStatus::StringTooLong;
        for (const TRecept& r : recepts) {
            if (r.Id == result.tooLong.id) {
                result.name = r.Name;
                break;
            }
        }
        return result;
    }
    switch (WriteFileSafely(path, SerializeBase(recepts), Backup::KeepOld)) {
    case WriteStatus::Ok:
        result.status = SaveStatus::Ok;
        break;
    case WriteStatus::CannotCreate:
        result.status = SaveStatus::CannotCreate;
        break;
    case WriteStatus::CannotWrite:
        result.status = SaveStatus::CannotWrite;
        break;
    }
    return result;
}

std::string SaveMessage(const SaveResult& result, const std::string& path) {
    switch (result.status) {
    case SaveStatus::Ok:
        return "База рецептов сохранена:  " + path;
    case SaveStatus::NothingToSave:
        return {};
    case SaveStatus::CannotCreate:
        return "Файл не удается создать... :(";
    case SaveStatus::CannotWrite:
        return "Файл не удается записать... :(";
    case SaveStatus::StringTooLong: {
        std::string where;
        switch (result.tooLong.field) {
        case RecordField::Name:
            where = "название";
            break;
        case RecordField::Ingridient:
            where = "строка ингредиентов " + std::to_string(result.tooLong.line + 1);
            break;
        case RecordField::Text:
            where = "строка текста " + std::to_string(result.tooLong.line + 1);
            break;
        }
        return "Базу не удается сохранить: в рецепте «" + text::Cp1251ToUtf8(result.name) + "» " +
               where + " длиннее 255 знаков! :(";
    }
    }
    return {};
}

} // namespace timyanka::base
