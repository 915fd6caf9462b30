#include "records/layout.hpp"

#include <cassert>
#include <cctype>
#include <cstdlib>

namespace sferonda {

namespace {

class LayoutParser {
public:
    explicit LayoutParser(std::string_view notation) : notation_(notation) {}

    // Parses pieces up to the end of the notation or up to the ")" that closes a group.
    std::vector<LayoutPiece> parse_sequence(bool inside_group) {
        std::vector<LayoutPiece> pieces;
        for (;;) {
            skip_separators();
            if (at_end()) {
                assert(!inside_group && "unclosed group in layout");
                return pieces;
            }
            if (peek() == ')') {
                assert(inside_group && "unmatched ) in layout");
                ++position_;
                return pieces;
            }
            parse_item(pieces);
        }
    }

private:
    bool at_end() const { return position_ >= notation_.size(); }
    char peek() const { return notation_[position_]; }

    void skip_separators() {
        while (!at_end() && (peek() == ',' || peek() == ' ')) ++position_;
    }

    int parse_number() {
        assert(!at_end() && std::isdigit(static_cast<unsigned char>(peek())));
        int number = 0;
        while (!at_end() && std::isdigit(static_cast<unsigned char>(peek()))) {
            number = number * 10 + (peek() - '0');
            ++position_;
        }
        return number;
    }

    std::string parse_literal() {
        ++position_;  // the opening apostrophe
        std::string text;
        for (;;) {
            assert(!at_end() && "unterminated text in layout");
            char c = notation_[position_++];
            if (c != '\'') {
                text += c;
            } else if (!at_end() && peek() == '\'') {
                text += '\'';
                ++position_;
            } else {
                return text;
            }
        }
    }

    void parse_item(std::vector<LayoutPiece>& pieces) {
        if (peek() == '\'') {
            pieces.push_back({LayoutPiece::Kind::Literal, 0, 0, parse_literal()});
            return;
        }
        if (peek() == '/') {
            ++position_;
            pieces.push_back({LayoutPiece::Kind::LineBreak, 0, 0, {}});
            return;
        }
        int count = 1;
        if (std::isdigit(static_cast<unsigned char>(peek()))) count = parse_number();
        assert(!at_end());
        char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(peek())));
        ++position_;
        if (letter == '(') {
            std::vector<LayoutPiece> group = parse_sequence(true);
            for (int copy = 0; copy < count; ++copy) pieces.insert(pieces.end(), group.begin(), group.end());
            return;
        }
        if (letter == 'X') {
            pieces.push_back({LayoutPiece::Kind::Blanks, count, 0, {}});
            return;
        }
        LayoutPiece field{field_kind(letter), parse_number(), 0, {}};
        if (!at_end() && peek() == '.') {
            ++position_;
            field.precision = parse_number();
        }
        for (int copy = 0; copy < count; ++copy) pieces.push_back(field);
    }

    static LayoutPiece::Kind field_kind(char letter) {
        switch (letter) {
            case 'A': return LayoutPiece::Kind::TextField;
            case 'I': return LayoutPiece::Kind::IntegerField;
            case 'F': return LayoutPiece::Kind::FixedField;
            case 'E': return LayoutPiece::Kind::ExponentField;
        }
        assert(false && "unknown edit descriptor in layout");
        std::abort();
    }

    std::string_view notation_;
    std::size_t position_ = 0;
};

}  // namespace

namespace {

// The letter of a field's edit descriptor.
char descriptor_letter(LayoutPiece::Kind kind) {
    using Kind = LayoutPiece::Kind;
    return kind == Kind::ExponentField ? 'E' : kind == Kind::FixedField ? 'F' : kind == Kind::IntegerField ? 'I' : 'A';
}

// Literal texts and blanks in a row become one literal text: the walk writes
// them all or none (it stops only at a field), and one piece costs less to
// write than several.
std::vector<LayoutPiece> merge_constant_runs(const std::vector<LayoutPiece>& pieces) {
    using Kind = LayoutPiece::Kind;
    std::vector<LayoutPiece> merged;
    for (const LayoutPiece& piece : pieces) {
        const bool constant = piece.kind == Kind::Literal || piece.kind == Kind::Blanks;
        if (!constant) {
            merged.push_back(piece);
            merged.back().descriptor = descriptor_code(descriptor_letter(piece.kind), piece.width, piece.precision);
            continue;
        }
        if (merged.empty() || merged.back().kind != Kind::Literal) merged.push_back({Kind::Literal, 0, 0, {}});
        if (piece.kind == Kind::Literal) {
            merged.back().text += piece.text;
        } else {
            merged.back().text.append(static_cast<std::size_t>(piece.width), ' ');
        }
    }
    return merged;
}

RecordImage record_image(const std::vector<LayoutPiece>& pieces, std::string_view line_end) {
    using Kind = LayoutPiece::Kind;
    RecordImage image;
    for (const LayoutPiece& piece : pieces) {
        if (piece.takes_value()) {
            image.fields.push_back({image.bytes.size(), piece});
            image.bytes.append(static_cast<std::size_t>(piece.width), ' ');
        } else if (piece.kind == Kind::Literal) {
            image.bytes += piece.text;
        } else {
            assert(piece.kind == Kind::LineBreak);
            image.bytes += line_end;
        }
    }
    image.bytes += line_end;
    return image;
}

}  // namespace

Layout::Layout(std::string_view notation) {
    LayoutParser parser(notation);
    // Repeated fields and groups are unrolled: the walk then stops at the first
    // field without a value wherever it stands, as it would inside a group.
    pieces_ = merge_constant_runs(parser.parse_sequence(false));
    crlf_image_ = record_image(pieces_, line_end_text(LineEnd::CrLf));
    lf_image_ = record_image(pieces_, line_end_text(LineEnd::Lf));
}

}  // namespace sferonda
