#pragma once
// A record layout, written in edit-descriptor notation and parsed once:
//   'text'  literal text ('' inside stands for one apostrophe)
//   Aw Iw Iw.m Fw.d Ew.d  data fields, with an optional repeat count (3F8.3)
//   nX  n blanks      /  line break      k( ... )  group repeated k times
// Pieces may be separated by commas or blanks.

#include <string>
#include <string_view>
#include <vector>

namespace sferonda {

struct LayoutPiece {
    enum class Kind { Literal, Blanks, LineBreak, TextField, IntegerField, FixedField, ExponentField };

    Kind kind;
    int width = 0;      // field width, or the number of blanks
    int precision = 0;  // m of Iw.m, d of Fw.d and Ew.d
    std::string text;   // the literal text

    bool takes_value() const {
        return kind != Kind::Literal && kind != Kind::Blanks && kind != Kind::LineBreak;
    }
};

class Layout {
public:
    // `notation` must be well formed: a malformed layout is a programming error.
    explicit Layout(std::string_view notation);

    const std::vector<LayoutPiece>& pieces() const { return pieces_; }

private:
    std::vector<LayoutPiece> pieces_;
};

}  // namespace sferonda
