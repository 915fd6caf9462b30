#pragma once
// A record layout, written in edit-descriptor notation and parsed once:
//   'text'  literal text ('' inside stands for one apostrophe)
//   Aw Iw Iw.m Fw.d Ew.d  data fields, with an optional repeat count (3F8.3)
//   nX  n blanks      /  line break      k( ... )  group repeated k times
// Pieces may be separated by commas or blanks.

#include <string>
#include <string_view>
#include <vector>

#include "platform/line_end.hpp"
#include "records/value.hpp"

namespace sferonda {

struct LayoutPiece {
    enum class Kind { Literal, Blanks, LineBreak, TextField, IntegerField, FixedField, ExponentField };

    Kind kind;
    int width = 0;      // field width, or the number of blanks
    int precision = 0;  // m of Iw.m, d of Fw.d and Ew.d
    std::string text;   // the literal text
    std::int32_t descriptor = 0;  // descriptor_code of a number field

    bool takes_value() const {
        return kind != Kind::Literal && kind != Kind::Blanks && kind != Kind::LineBreak;
    }
};

// A record that has a value for every field, laid out once: its literal
// texts, blanks and line ends in place, blanks where the fields go, and
// where each field begins.
struct RecordImage {
    struct Field {
        std::size_t offset;
        LayoutPiece piece;
    };
    std::string bytes;
    std::vector<Field> fields;
};

class Layout {
public:
    // `notation` must be well formed: a malformed layout is a programming error.
    explicit Layout(std::string_view notation);

    const std::vector<LayoutPiece>& pieces() const { return pieces_; }
    std::size_t field_count() const { return crlf_image_.fields.size(); }

    // The whole record with lines ended as `line_end` says.
    const RecordImage& image(LineEnd line_end) const {
        return line_end == LineEnd::CrLf ? crlf_image_ : lf_image_;
    }

private:
    std::vector<LayoutPiece> pieces_;
    RecordImage crlf_image_;
    RecordImage lf_image_;
};

}  // namespace sferonda
