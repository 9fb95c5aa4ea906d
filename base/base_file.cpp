#include "base/base_file.h"

#include "base/file_io.h"
#include "text/cp1251.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace timyanka::base {
namespace {

// The smallest record: National, an empty name, two zero counts and three codes.
constexpr std::size_t kMinRecordSize = 4 + 5 + 4 + 4 + 12;
constexpr std::size_t kMinStringSize = 5;

// The bytes of a file already in memory.
class MemorySource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Offset() const { return pos_; }
    std::size_t Size() const { return bytes_.size(); }

    // The next n bytes, n at most what is left; they stay valid until the next call.
    const char* Take(std::size_t n) {
        const char* p = bytes_.data() + pos_;
        pos_ += n;
        return p;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// A regular file read through a window of a megabyte that is refilled as the parser moves on,
// so that the file's bytes never lie in memory whole beside the recipes made of them: for a
// large base that buffer would be as large as the file and every page of it freshly touched.
// The file's size is taken as the stat says; a file that turns out shorter, or a read that
// fails, ends the parse (Failed()) and the caller reads it again whole.
class FileSource {
public:
    static constexpr std::size_t kWindow = std::size_t{1} << 20;

    FileSource(int fd, std::size_t size)
        : fd_(fd), size_(size), buffer_(std::make_unique_for_overwrite<char[]>(kWindow)) {}

    std::size_t Offset() const { return start_ + pos_; }
    std::size_t Size() const { return size_; }
    bool Failed() const { return failed_; }

    // The next n bytes, n at most what is left and far below the window; nullptr when the
    // file does not deliver them.
    const char* Take(std::size_t n) {
        if (end_ - pos_ < n && !Refill(n)) {
            failed_ = true;
            return nullptr;
        }
        const char* p = buffer_.get() + pos_;
        pos_ += n;
        return p;
    }

private:
    bool Refill(std::size_t n) {
        const std::size_t kept = end_ - pos_;
        std::memmove(buffer_.get(), buffer_.get() + pos_, kept);
        start_ += pos_;
        pos_ = 0;
        end_ = kept;
        const std::size_t wanted = std::min(kWindow, size_ - start_);
        while (end_ < wanted) {
            const ssize_t got = ::read(fd_, buffer_.get() + end_, wanted - end_);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            end_ += static_cast<std::size_t>(got);
        }
        return end_ >= n;
    }

    int fd_;
    std::size_t size_;
    std::unique_ptr<char[]> buffer_;
    std::size_t start_ = 0; // the file offset of buffer_[0]
    std::size_t pos_ = 0;   // the next byte in buffer_
    std::size_t end_ = 0;   // the bytes of buffer_ filled
    bool failed_ = false;
};

template <typename Source> class Reader {
public:
    explicit Reader(Source& source) : source_(source) {}

    std::size_t Offset() const { return source_.Offset(); }
    std::size_t Left() const { return source_.Size() - source_.Offset(); }

    bool Int32(int32_t& v) {
        if (Left() < 4) {
            return false;
        }
        const auto* p = reinterpret_cast<const unsigned char*>(source_.Take(4));
        if (p == nullptr) {
            return false;
        }
        v = static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                 static_cast<uint32_t>(p[2]) << 16 |
                                 static_cast<uint32_t>(p[3]) << 24);
        return true;
    }

    // A length-prefixed string; the text ends at its first zero byte. The callers report a
    // bad length or a missing zero byte at the offset they noted before the string.
    ParseFault String(std::string& out, int64_t& badValue) {
        int32_t len = 0;
        if (!Int32(len)) {
            return ParseFault::Truncated;
        }
        if (len < 1 || len > static_cast<int32_t>(kMaxStoredString + 1)) {
            badValue = len;
            return ParseFault::BadStringLength;
        }
        if (Left() < static_cast<std::size_t>(len)) {
            return ParseFault::Truncated;
        }
        const char* p = source_.Take(static_cast<std::size_t>(len));
        if (p == nullptr) {
            return ParseFault::Truncated;
        }
        const void* zero = std::memchr(p, 0, static_cast<std::size_t>(len));
        if (zero == nullptr) {
            return ParseFault::MissingZeroByte;
        }
        out.assign(p, static_cast<const char*>(zero));
        return ParseFault::None;
    }

private:
    Source& source_;
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

template <typename Source>
ParseFault ReadLines(Reader<Source>& in, Lines& lines, std::size_t& faultOffset, int64_t& value) {
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

// Appends the file image of recipes to `Out`: a std::string, or the window of a streamed
// save. One writer for both, so that a saved file and SerializeBase agree byte for byte.
template <typename Out> void PutInt32(Out& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
    out.append(b, 4);
}

template <typename Out> void PutString(Out& out, const std::string& s) {
    PutInt32(out, static_cast<int32_t>(s.size() + 1));
    out.append(s.data(), s.size());
    out.push_back('\0');
}

template <typename Out> void PutRecepts(Out& out, std::span<const TRecept> recepts) {
    PutInt32(out, static_cast<int32_t>(recepts.size()));
    for (const TRecept& r : recepts) {
        PutInt32(out, r.National);
        PutString(out, r.Name);
        for (const Lines* lines : {&r.Ingridient, &r.Text}) {
            PutInt32(out, static_cast<int32_t>(lines->size()));
            for (const auto& l : *lines) {
                PutString(out, l);
                out.Filled();
            }
        }
        PutInt32(out, r.Class);
        PutInt32(out, r.PodClass);
        PutInt32(out, r.Osoboe);
        out.Filled();
    }
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

// A whole image in one string, reserved at its exact size.
class StringOut {
public:
    explicit StringOut(std::string& s) : s_(s) {}
    void append(const char* p, std::size_t n) { s_.append(p, n); }
    void push_back(char c) { s_.push_back(c); }
    void Filled() {}

private:
    std::string& s_;
};

// A window of about a megabyte handed to the sink whenever it fills: a save touches that much
// fresh memory, not a second copy of the base.
class WindowOut {
public:
    static constexpr std::size_t kWindow = std::size_t{1} << 20;

    explicit WindowOut(FileSink& sink) : sink_(sink) {
        // Filled() comes after every line, so the window outgrows kWindow by one line at most:
        // 260 bytes for strings that fit the format.
        window_.reserve(kWindow + 1024);
    }
    void append(const char* p, std::size_t n) { window_.append(p, n); }
    void push_back(char c) { window_.push_back(c); }
    void Filled() {
        if (window_.size() >= kWindow) {
            Flush();
        }
    }
    // Hands on what is left; false when any write failed.
    bool Finish() {
        Flush();
        return ok_;
    }

private:
    void Flush() {
        ok_ = ok_ && sink_.Write(window_);
        window_.clear();
    }

    FileSink& sink_;
    std::string window_;
    bool ok_ = true;
};

template <typename Source>
ParseResult Parse(Source& source, int32_t capacity, std::vector<TRecept>& out) {
    out.clear();
    Reader<Source> in(source);
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
        return Fail(ParseFault::Truncated, source.Size(), -1, count);
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
            return Fail(ParseFault::Truncated, source.Size(), i);
        }
    }
    out = std::move(staged);
    return {};
}

} // namespace

ParseResult ParseBase(std::string_view bytes, int32_t capacity, std::vector<TRecept>& out) {
    MemorySource source(bytes);
    return Parse(source, capacity, out);
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

namespace {

struct OpenFile {
    explicit OpenFile(const std::string& path) : fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    int fd;
};

LoadResult CannotOpen() {
    LoadResult result;
    result.status = LoadStatus::CannotOpen;
    return result;
}

// The file whole in memory, then parsed: for what is not a plain file of known size, and to
// tell exactly what is wrong with a file that failed to parse a window at a time.
LoadResult ReadWholeAndParse(const std::string& path, int32_t capacity, std::vector<TRecept>& out) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        return CannotOpen();
    }
    return FromParse(ParseBase(bytes, capacity, out));
}

} // namespace

LoadResult ReadBaseFile(const std::string& path, int32_t capacity, std::vector<TRecept>& out) {
    out.clear();
    {
        const OpenFile file(path);
        if (file.fd < 0) {
            return CannotOpen();
        }
        struct stat st {};
        if (::fstat(file.fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
            FileSource source(file.fd, static_cast<std::size_t>(st.st_size));
            const ParseResult parse = Parse(source, capacity, out);
            if (parse.status == ParseStatus::Ok && !source.Failed()) {
                return FromParse(parse);
            }
            // Malformed, or changed while it was read: the whole bytes decide, exactly as
            // ParseBase does on them.
        }
    }
    return ReadWholeAndParse(path, capacity, out);
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
    std::vector<TRecept> staged;
    const LoadResult result = ReadBaseFile(path, store.Capacity(), staged);
    if (result.status == LoadStatus::Ok) {
        store.ReplaceAll(std::move(staged));
    }
    return result;
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
    std::string image;
    image.reserve(SerializedSize(recepts));
    StringOut out(image);
    PutRecepts(out, recepts);
    return image;
}

bool WriteBase(std::span<const TRecept> recepts, FileSink& sink) {
    WindowOut out(sink);
    PutRecepts(out, recepts);
    return out.Finish();
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
    const auto produce = [recepts](FileSink& sink) { return WriteBase(recepts, sink); };
    switch (WriteFileSafelyStreamed(path, produce, Backup::KeepOld)) {
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
