#include "tests/support/json_value.hpp"

#include <charconv>
#include <stdexcept>

namespace sferonda::testing {

namespace {

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    JsonValue document() {
        JsonValue value = next_value();
        skip_blanks();
        if (at_ != text_.size()) fail("text after the value");
        return value;
    }

private:
    JsonValue next_value() {
        skip_blanks();
        if (at_ >= text_.size()) fail("value expected");
        switch (text_[at_]) {
            case '{': return object();
            case '[': return array();
            case '"': return string_value();
            case 't': return word("true", JsonValue::Kind::Boolean, true);
            case 'f': return word("false", JsonValue::Kind::Boolean, false);
            case 'n': return word("null", JsonValue::Kind::Null, false);
            default: return number();
        }
    }

    JsonValue object() {
        JsonValue value;
        value.kind = JsonValue::Kind::Object;
        expect('{');
        if (peek_after_blanks() == '}') return ++at_, value;
        do {
            skip_blanks();
            std::string key = string_value().text;
            expect(':');
            if (!value.members.emplace(std::move(key), next_value()).second) fail("member named twice");
        } while (comma_or('}'));
        return value;
    }

    JsonValue array() {
        JsonValue value;
        value.kind = JsonValue::Kind::Array;
        expect('[');
        if (peek_after_blanks() == ']') return ++at_, value;
        do {
            value.items.push_back(next_value());
        } while (comma_or(']'));
        return value;
    }

    JsonValue string_value() {
        JsonValue value;
        value.kind = JsonValue::Kind::String;
        expect('"');
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) fail("control character in a string");
            if (c == '\\') {
                if (at_ >= text_.size()) fail("string ends in an escape");
                c = text_[at_++];
                if (c != '"' && c != '\\' && c != '/') fail("escape not supported here");
            }
            value.text += c;
        }
        expect('"');
        return value;
    }

    // JSON's number grammar: -? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [+-]? [0-9]+)?
    JsonValue number() {
        const std::size_t start = at_;
        if (peek() == '-') ++at_;
        if (peek() == '0') {
            ++at_;
        } else if (!digits()) {
            fail("number expected");
        }
        if (peek() == '.') {
            ++at_;
            if (!digits()) fail("digits expected after the point");
        }
        if (peek() == 'e' || peek() == 'E') {
            ++at_;
            if (peek() == '+' || peek() == '-') ++at_;
            if (!digits()) fail("digits expected in the exponent");
        }
        JsonValue value;
        value.kind = JsonValue::Kind::Number;
        std::from_chars(text_.data() + start, text_.data() + at_, value.number);
        return value;
    }

    JsonValue word(std::string_view spelled, JsonValue::Kind kind, bool truth) {
        if (text_.substr(at_, spelled.size()) != spelled) fail("unknown word");
        at_ += spelled.size();
        JsonValue value;
        value.kind = kind;
        value.boolean = truth;
        return value;
    }

    bool digits() {
        const std::size_t start = at_;
        while (peek() >= '0' && peek() <= '9') ++at_;
        return at_ > start;
    }

    bool comma_or(char closing) {
        skip_blanks();
        if (peek() == ',') return ++at_, true;
        expect(closing);
        return false;
    }

    void expect(char wanted) {
        skip_blanks();
        if (peek() != wanted) fail(std::string("'") + wanted + "' expected");
        ++at_;
    }

    char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    char peek_after_blanks() {
        skip_blanks();
        return peek();
    }
    void skip_blanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' ||
                                      text_[at_] == '\t')) {
            ++at_;
        }
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(at_));
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const {
    auto found = members.find(key);
    if (found == members.end()) throw std::out_of_range("no member " + std::string(key));
    return found->second;
}

JsonValue parse_json(std::string_view text) { return JsonReader(text).document(); }

}  // namespace sferonda::testing
