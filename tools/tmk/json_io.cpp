#include "tools/tmk/json_io.h"

#include "base/base_file.h"
#include "base/recept_store.h"
#include "text/cp1251.h"
#include "tools/tmk/user_text.h"

#include <limits>
#include <optional>
#include <utility>

namespace timyanka::tmk {
namespace {

// ---- Reading: a DOM builder that also keeps what the plain parser throws away ----------

// A key given twice in one recipe object; the plain parser would silently keep the last.
struct DuplicateKey {
    std::size_t recept = 0; // from 1
    std::string key;
};

class DomBuilder final : public nlohmann::json_sax<Json> {
public:
    explicit DomBuilder(Json& root) : root_(root) {}

    bool null() override { return Put(nullptr); }
    bool boolean(bool v) override { return Put(v); }
    bool number_integer(number_integer_t v) override { return Put(v); }
    bool number_unsigned(number_unsigned_t v) override { return Put(v); }
    bool number_float(number_float_t v, const string_t&) override { return Put(v); }
    bool string(string_t& v) override { return Put(std::move(v)); }
    bool binary(binary_t& v) override { return Put(std::move(v)); }

    bool start_object(std::size_t) override {
        stack_.push_back(Slot(Json::object()));
        return true;
    }
    bool key(string_t& k) override {
        Json& object = *stack_.back();
        // Depth 2 is a recipe object inside the top-level array.
        if (stack_.size() == 2 && stack_.front()->is_array() && !duplicate_ && object.contains(k)) {
            duplicate_ = DuplicateKey{stack_.front()->size(), k};
        }
        member_ = &object[k];
        return true;
    }
    bool end_object() override {
        stack_.pop_back();
        return true;
    }
    bool start_array(std::size_t) override {
        stack_.push_back(Slot(Json::array()));
        return true;
    }
    bool end_array() override {
        stack_.pop_back();
        return true;
    }
    bool parse_error(std::size_t position, const std::string&, const Json::exception&) override {
        errorPosition_ = position;
        return false;
    }

    std::optional<std::size_t> ErrorPosition() const { return errorPosition_; }
    const std::optional<DuplicateKey>& Duplicate() const { return duplicate_; }

private:
    // Puts a value where the document expects the next one and returns where it went.
    // Pointers into a container stay valid while it is on the stack: nothing is added to a
    // container before its open child is closed.
    Json* Slot(Json&& v) {
        if (stack_.empty()) {
            root_ = std::move(v);
            return &root_;
        }
        Json& top = *stack_.back();
        if (top.is_array()) {
            top.push_back(std::move(v));
            return &top.back();
        }
        *member_ = std::move(v);
        return member_;
    }
    template <typename V> bool Put(V&& v) {
        Slot(Json(std::forward<V>(v)));
        return true;
    }

    Json& root_;
    std::vector<Json*> stack_;
    Json* member_ = nullptr;
    std::optional<std::size_t> errorPosition_;
    std::optional<DuplicateKey> duplicate_;
};

// ---- Messages ----------------------------------------------------------------------------

std::string Quoted(std::string_view utf8) {
    return "«" + Printable(utf8) + "»";
}

std::string TypeName(const Json& v) {
    switch (v.type()) {
    case Json::value_t::null:
        return "null";
    case Json::value_t::boolean:
        return "логическое значение";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
        return "целое число";
    case Json::value_t::number_float:
        return "дробное число";
    case Json::value_t::string:
        return "строка";
    case Json::value_t::array:
        return "массив";
    case Json::value_t::object:
        return "объект";
    case Json::value_t::binary:
    case Json::value_t::discarded:
        break;
    }
    return "неизвестное значение";
}

std::string Expected(std::string_view what, const Json& got) {
    return "ожидается " + std::string(what) + ", а не " + TypeName(got);
}

// ---- Field conversion --------------------------------------------------------------------

// Why a UTF-8 text cannot be a stored name or line; empty when it can (then `out` holds it).
std::string ToStoredString(const std::string& utf8, std::string& out) {
    text::Utf8ToCp1251Result r = text::Utf8ToCp1251(utf8);
    if (r.status != text::ConvertStatus::Ok) {
        return DescribeConversion(r);
    }
    // A base file ends every string at its first zero byte.
    if (r.text.find('\0') != std::string::npos) {
        return "знак " + CodePointName(0) + " не может храниться в базе";
    }
    if (r.text.size() > base::kMaxStoredString) {
        return "длиннее " + std::to_string(base::kMaxStoredString) + " байт в Windows-1251 (" +
               std::to_string(r.text.size()) + ")";
    }
    out = std::move(r.text);
    return {};
}

std::string ToCode(const Json& v, int32_t& out) {
    constexpr auto kMin = std::numeric_limits<int32_t>::min();
    constexpr auto kMax = std::numeric_limits<int32_t>::max();
    bool inRange = false;
    if (v.is_number_unsigned()) {
        const auto u = v.get<Json::number_unsigned_t>();
        inRange = u <= static_cast<Json::number_unsigned_t>(kMax);
        out = inRange ? static_cast<int32_t>(u) : 0;
    } else if (v.is_number_integer()) {
        const auto i = v.get<Json::number_integer_t>();
        inRange = i >= kMin && i <= kMax;
        out = inRange ? static_cast<int32_t>(i) : 0;
    } else {
        return Expected("целое число", v);
    }
    if (!inRange) {
        return "число " + v.dump() + " вне пределов от " + std::to_string(kMin) + " до " +
               std::to_string(kMax);
    }
    return {};
}

constexpr std::string_view kKnownKeys[] = {kKeyId,   kKeyNational, kKeyName,     kKeyIngredients,
                                           kKeyText, kKeyClass,    kKeyPodClass, kKeyOsoboe};

// Checks one recipe object; every failure names the recipe and the field.
class ReceptReader {
public:
    ReceptReader(std::size_t position, ImportResult& result)
        : position_(position), result_(result) {}

    bool Read(const Json& v, const std::optional<DuplicateKey>& duplicate, base::TRecept& r) {
        title_ = "Рецепт " + std::to_string(position_);
        if (!v.is_object()) {
            return Fail({}, 0, Expected("объект", v));
        }
        const auto name = v.find(kKeyName);
        if (name == v.end()) {
            return Fail(std::string(kKeyName), 0, "нет поля " + Quoted(kKeyName), false);
        }
        if (name->is_string()) {
            title_ += " " + Quoted(name->get_ref<const std::string&>());
        }
        if (duplicate && duplicate->recept == position_) {
            return Fail(duplicate->key, 0, "поле " + Quoted(duplicate->key) + " указано дважды",
                        false);
        }
        for (const auto& item : v.items()) {
            if (!IsKnown(item.key())) {
                return Fail(item.key(), 0, "неизвестное поле " + Quoted(item.key()), false);
            }
        }
        return String(*name, kKeyName, 0, r.Name) && Code(v, kKeyNational, r.National) &&
               List(v, kKeyIngredients, r.Ingridient) && List(v, kKeyText, r.Text) &&
               Code(v, kKeyClass, r.Class) && Code(v, kKeyPodClass, r.PodClass) &&
               Code(v, kKeyOsoboe, r.Osoboe);
    }

private:
    static bool IsKnown(std::string_view key) {
        for (std::string_view k : kKnownKeys) {
            if (k == key) {
                return true;
            }
        }
        return false;
    }

    bool Code(const Json& object, std::string_view key, int32_t& out) {
        const auto it = object.find(key);
        if (it == object.end()) {
            out = 0;
            return true;
        }
        const std::string why = ToCode(*it, out);
        return why.empty() || Fail(std::string(key), 0, why);
    }

    bool String(const Json& v, std::string_view key, std::size_t line, std::string& out) {
        if (!v.is_string()) {
            return Fail(std::string(key), line, Expected("строка", v));
        }
        const std::string why = ToStoredString(v.get_ref<const std::string&>(), out);
        return why.empty() || Fail(std::string(key), line, why);
    }

    bool List(const Json& object, std::string_view key, base::Lines& out) {
        out.clear();
        const auto it = object.find(key);
        if (it == object.end()) {
            return true;
        }
        if (!it->is_array()) {
            return Fail(std::string(key), 0, Expected("массив строк", *it));
        }
        out.resize(it->size());
        for (std::size_t i = 0; i < it->size(); ++i) {
            if (!String((*it)[i], key, i + 1, out[i])) {
                return false;
            }
        }
        return true;
    }

    // Always false, so that a check reads `ok || Fail(...)`.
    bool Fail(std::string field, std::size_t line, const std::string& why, bool namesField = true) {
        result_.status = ImportStatus::BadRecept;
        result_.recept = position_;
        result_.fieldLine = line;
        std::string where = title_;
        if (namesField && !field.empty()) {
            where += ", поле " + Quoted(field);
            if (line > 0) {
                where += ", строка " + std::to_string(line);
            }
        }
        result_.field = std::move(field);
        result_.message = where + ": " + why;
        return false;
    }

    std::size_t position_;
    ImportResult& result_;
    std::string title_;
};

ImportResult Convert(const Json& doc, int32_t capacity,
                     const std::optional<DuplicateKey>& duplicate) {
    ImportResult result;
    if (!doc.is_array()) {
        result.status = ImportStatus::NotAnArray;
        result.message = Expected("массив рецептов", doc);
        return result;
    }
    if (doc.size() > static_cast<std::size_t>(capacity < 0 ? 0 : capacity)) {
        result.status = ImportStatus::TooManyRecepts;
        result.message = base::LoadMessage(base::LoadStatus::TooManyRecepts, capacity);
        return result;
    }
    std::vector<base::TRecept> recepts(doc.size());
    for (std::size_t i = 0; i < doc.size(); ++i) {
        recepts[i].Id = static_cast<int32_t>(i);
        if (!ReceptReader(i + 1, result).Read(doc[i], duplicate, recepts[i])) {
            return result;
        }
    }
    result.recepts = std::move(recepts);
    return result;
}

} // namespace

Json ReceptsToJson(std::span<const base::TRecept> recepts) {
    const auto linesToJson = [](const base::Lines& lines) {
        Json a = Json::array();
        for (const std::string& l : lines) {
            a.push_back(text::Cp1251ToUtf8(l));
        }
        return a;
    };
    Json doc = Json::array();
    for (const base::TRecept& r : recepts) {
        Json o = Json::object();
        o[kKeyId] = r.Id;
        o[kKeyNational] = r.National;
        o[kKeyName] = text::Cp1251ToUtf8(r.Name);
        o[kKeyIngredients] = linesToJson(r.Ingridient);
        o[kKeyText] = linesToJson(r.Text);
        o[kKeyClass] = r.Class;
        o[kKeyPodClass] = r.PodClass;
        o[kKeyOsoboe] = r.Osoboe;
        doc.push_back(std::move(o));
    }
    return doc;
}

std::string ReceptsToJsonText(std::span<const base::TRecept> recepts) {
    return ReceptsToJson(recepts).dump(2) + "\n";
}

ImportResult ReceptsFromJson(const Json& doc, int32_t capacity) {
    return Convert(doc, capacity, std::nullopt);
}

ImportResult ReceptsFromJsonText(std::string_view text, int32_t capacity) {
    Json doc;
    DomBuilder builder(doc);
    if (!Json::sax_parse(text.begin(), text.end(), &builder) || builder.ErrorPosition()) {
        // The parser counts the bytes it has read, the failing one included; at the end of
        // the input that is one past the last byte. The column counts characters, as an
        // editor shows them, not bytes of UTF-8.
        const std::size_t read = builder.ErrorPosition().value_or(text.size());
        const std::size_t seen = read < text.size() ? read : text.size();
        ImportResult result;
        result.status = ImportStatus::InvalidJson;
        result.offset = read > 0 ? read - 1 : 0;
        result.line = 1;
        result.column = 0;
        for (std::size_t i = 0; i < seen; ++i) {
            if (text[i] == '\n') {
                ++result.line;
                result.column = 0;
            } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
                ++result.column;
            }
        }
        result.column += read > seen ? 1 : 0;
        result.message = "Ошибка в JSON: строка " + std::to_string(result.line) + ", столбец " +
                         std::to_string(result.column) + " (смещение " +
                         std::to_string(result.offset) + ")";
        return result;
    }
    return Convert(doc, capacity, builder.Duplicate());
}

} // namespace timyanka::tmk
