#include "writers/pseudo_pdb_writer.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/writer_fixture.hpp"

namespace sferonda::testing {
namespace {

using Pair = std::pair<std::int32_t, std::int32_t>;

const std::string ATOM_GAP(16, ' ');
const std::string MAXCON_ERROR = " Error in MODPB2: maxcon exceeded\n";

// An I5 field, as a CONECT record writes each bead number.
std::string i5(std::int32_t value) {
    std::string digits = std::to_string(value);
    return digits.size() > 5 ? "*****" : std::string(5 - digits.size(), ' ') + digits;
}

std::string conect_line(std::int32_t bead, const std::vector<std::int32_t>& bonded) {
    std::string line = "CONECT" + i5(bead);
    for (std::int32_t other : bonded) line += i5(other);
    return line;
}

class PseudoPdbWriterTest : public WriterTest {
protected:
    // Beads on the x axis at 0, 1, 2, ... unless placed otherwise. Only the
    // centres are read.
    void set_beads(std::int32_t count) {
        clear_model();
        for (std::int32_t i = 1; i <= count; ++i) add_bead(float(i - 1), 0.0f, 0.0f, 0.0f, 0);
    }

    Outcome run(float first_radius, const std::vector<Pair>& connectors) {
        const auto count = static_cast<std::int32_t>(connectors.size());
        for (std::int32_t j = 1; j <= count; ++j) {
            (*pairs_)[j] = {connectors[j - 1].first, connectors[j - 1].second};
        }
        Outcome outcome = run_writer("model.bea", [&] {
            return MODPB2(*run_, model_->bead_count, first_radius, *model_, count, *pairs_, make_name("model.bea"),
                          OUTPUT_UNIT);
        });
        EXPECT_FALSE(outcome.stopped);
        return outcome;
    }

    // The ATOM lines of beads 1..count placed by set_beads with radius 1.4,
    // which keeps the scale at 1 and the coordinates as placed.
    static std::string atom_lines(std::int32_t count) {
        std::string text;
        for (std::int32_t i = 1; i <= count; ++i) {
            std::string x = std::to_string(i - 1) + ".000";
            text += "ATOM" + std::string(7 - std::to_string(i).size(), ' ') + std::to_string(i) + "  O" +
                    ATOM_GAP + std::string(8 - x.size(), ' ') + x + "   0.000   0.000\r\n";
        }
        return text;
    }

    std::unique_ptr<PdbConnectorPairs> pairs_ = std::make_unique<PdbConnectorPairs>();
};

TEST_F(PseudoPdbWriterTest, ThreeBeadChain) {
    set_beads(3);
    Outcome outcome = run(1.0f, {{1, 2}, {2, 3}});
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.file, crlf_lines({
                                "ATOM      1  O" + ATOM_GAP + "   0.000   0.000   0.000",
                                "ATOM      2  O" + ATOM_GAP + "   1.400   0.000   0.000",
                                "ATOM      3  O" + ATOM_GAP + "   2.800   0.000   0.000",
                                "CONECT    1    2",
                                "CONECT    2    1    3",
                                "CONECT    3    2",
                            }));
    EXPECT_EQ(outcome.console, "");
}

TEST_F(PseudoPdbWriterTest, ScaleMakesFirstRadiusOnePointFour) {
    set_beads(1);
    model_->bead_x[1] = 1.0f;
    model_->bead_y[1] = -1.0f;
    model_->bead_z[1] = 0.5f;
    Outcome outcome = run(2.0f, {});
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.file, crlf_lines({"ATOM      1  O" + ATOM_GAP + "   0.700  -0.700   0.350"}));
}

TEST_F(PseudoPdbWriterTest, ZeroFirstRadiusWritesInfinityAndNaN) {
    set_beads(1);
    model_->bead_x[1] = 3.0f;
    model_->bead_y[1] = -0.5f;
    model_->bead_z[1] = 0.0f;
    Outcome outcome = run(0.0f, {});
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.file, crlf_lines({"ATOM      1  O" + ATOM_GAP + " Infinit -Infini NaN    "}));
}

TEST_F(PseudoPdbWriterTest, CoordinatesBeyondF83BecomeAsterisks) {
    set_beads(1);
    model_->bead_x[1] = 10000.0f;
    model_->bead_y[1] = -1000.0f;
    model_->bead_z[1] = -999.999f;
    Outcome outcome = run(1.4f, {});
    EXPECT_EQ(outcome.file, crlf_lines({"ATOM      1  O" + ATOM_GAP + "********" "********" "-999.999"}));
}

struct MatchingCase {
    const char* what;
    std::int32_t beads;
    std::vector<Pair> connectors;
    std::vector<std::string> conect_lines;
};

TEST_F(PseudoPdbWriterTest, MatchingRule) {
    const MatchingCase cases[] = {
        {"no connectors", 1, {}, {}},
        {"self connector lists its bead twice", 2, {{2, 2}}, {"CONECT    2    2    2"}},
        {"connector given twice lists the partner twice", 2, {{1, 2}, {1, 2}},
         {"CONECT    1    2    2", "CONECT    2    1    1"}},
        {"reversed pair keeps connector order", 3, {{2, 1}, {3, 2}, {1, 3}},
         {"CONECT    1    2    3", "CONECT    2    1    3", "CONECT    3    2    1"}},
        {"numbers outside the beads are listed unchanged", 2, {{1, 7}, {0, 2}, {1, 100000}, {-9999, 2}},
         {"CONECT    1    7*****", "CONECT    2    0-9999"}},
        {"a connector between missing beads lists nothing", 2, {{5, 6}}, {}},
    };
    for (const MatchingCase& c : cases) {
        set_beads(c.beads);
        Outcome outcome = run(1.4f, c.connectors);
        std::string expected = atom_lines(c.beads);
        for (const std::string& line : c.conect_lines) expected += line + "\r\n";
        EXPECT_TRUE(outcome.complete) << c.what;
        EXPECT_EQ(outcome.file, expected) << c.what;
        EXPECT_EQ(outcome.console, "") << c.what;
    }
}

// Bead 3 bonded to `count` other beads (numbered 1, 2, 4, 5, ...).
std::vector<Pair> star_around_bead_3(std::int32_t count) {
    std::vector<Pair> connectors;
    for (std::int32_t other = 1; static_cast<std::int32_t>(connectors.size()) < count; ++other) {
        if (other != 3) connectors.push_back({3, other});
    }
    return connectors;
}

TEST_F(PseudoPdbWriterTest, FortyBondedBeadsFillOneRecord) {
    set_beads(41);
    Outcome outcome = run(1.4f, star_around_bead_3(40));
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.console, "");
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 41u + 41u);
    std::vector<std::int32_t> partners{1, 2};
    for (std::int32_t other = 4; other <= 41; ++other) partners.push_back(other);
    EXPECT_EQ(lines[41], "CONECT    1    3");
    EXPECT_EQ(lines[42], "CONECT    2    3");
    EXPECT_EQ(lines[43], conect_line(3, partners));
    EXPECT_EQ(lines[43].size(), 211u);
    EXPECT_EQ(lines[44], "CONECT    4    3");
    EXPECT_EQ(lines.back(), "CONECT   41    3");
}

TEST_F(PseudoPdbWriterTest, FortyFirstBondedBeadStopsTheFile) {
    set_beads(42);
    Outcome outcome = run(1.4f, star_around_bead_3(41));
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.console, MAXCON_ERROR);
    EXPECT_EQ(outcome.file, atom_lines(42) + crlf_lines({"CONECT    1    3", "CONECT    2    3"}));
}

TEST_F(PseudoPdbWriterTest, SelfConnectorCountsTwiceTowardsTheLimit) {
    set_beads(41);
    std::vector<Pair> connectors = star_around_bead_3(39);
    connectors.push_back({3, 3});
    Outcome outcome = run(1.4f, connectors);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.console, MAXCON_ERROR);
    EXPECT_EQ(outcome.file, atom_lines(41) + crlf_lines({"CONECT    1    3", "CONECT    2    3"}));
}

// The matching rule written the plain way: every bead against every connector.
struct ReferenceConects {
    std::vector<std::string> lines;
    bool complete = true;
};

ReferenceConects reference_conects(std::int32_t beads, const std::vector<Pair>& connectors) {
    ReferenceConects reference;
    for (std::int32_t i = 1; i <= beads; ++i) {
        std::vector<std::int32_t> bonded;
        auto append = [&](std::int32_t other) {
            if (bonded.size() == 40) return false;
            bonded.push_back(other);
            return true;
        };
        for (const auto& [first, second] : connectors) {
            if ((first == i && !append(second)) || (second == i && !append(first))) {
                reference.complete = false;
                return reference;
            }
        }
        if (!bonded.empty()) reference.lines.push_back(conect_line(i, bonded));
    }
    return reference;
}

TEST_F(PseudoPdbWriterTest, SameRecordsAsBeadByBeadMatching) {
    std::mt19937 random(20240611);
    int stopped = 0;
    for (int round = 0; round < 40; ++round) {
        const std::int32_t beads = std::uniform_int_distribution<std::int32_t>(1, 30)(random);
        const std::int32_t count = std::uniform_int_distribution<std::int32_t>(0, 120)(random);
        // Mostly real beads, some numbers outside the model, and one
        // favoured bead that sometimes collects more than a record holds.
        std::uniform_int_distribution<std::int32_t> any_end(-2, beads + 3);
        std::bernoulli_distribution favoured(0.3);
        std::vector<Pair> connectors;
        for (std::int32_t j = 0; j < count; ++j) {
            std::int32_t first = favoured(random) ? 1 + beads / 2 : any_end(random);
            connectors.push_back({first, any_end(random)});
        }
        set_beads(beads);
        Outcome outcome = run(1.4f, connectors);
        ReferenceConects reference = reference_conects(beads, connectors);

        std::string expected = atom_lines(beads);
        for (const std::string& line : reference.lines) expected += line + "\r\n";
        EXPECT_EQ(outcome.complete, reference.complete) << "round " << round;
        EXPECT_EQ(outcome.file, expected) << "round " << round;
        EXPECT_EQ(outcome.console, reference.complete ? "" : MAXCON_ERROR) << "round " << round;
        if (!reference.complete) ++stopped;
    }
    // The rounds must exercise both the complete file and the stop.
    EXPECT_GT(stopped, 0);
    EXPECT_LT(stopped, 40);
}

TEST_F(PseudoPdbWriterTest, FullCapacityWritesEveryRecord) {
    set_beads(MAX_BEADS);
    std::vector<Pair> connectors;
    for (std::int32_t j = 1; j <= MAX_PDB_CONNECTORS; ++j) connectors.push_back({j, j + 1});
    Outcome outcome = run(1.4f, connectors);

    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), std::size_t(MAX_BEADS + MAX_PDB_CONNECTORS + 1));
    EXPECT_EQ(lines[MAX_BEADS], "CONECT    1    2");
    EXPECT_EQ(lines[MAX_BEADS + 1], "CONECT    2    1    3");
    EXPECT_EQ(lines.back(), "CONECT 5001 5000");
}

}  // namespace
}  // namespace sferonda::testing
