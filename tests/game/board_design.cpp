#include "tests/game/board_design.h"

#include <cstring>

#include "framework/core/frame_context.h"
#include "framework/core/game_random.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"

namespace {

uint32_t PieceWord(char c) {
    if (c == '.') return 0;
    uint32_t word = kCellActive;
    if (c == '_') return word | kCellStartsEmpty;
    if (c >= 'a' && c <= 'f') return word | (static_cast<uint32_t>(c - 'a' + 1) << kCellColourShift);
    if (c != '?') ADD_FAILURE() << "unknown piece mark '" << c << "'";
    return word | kCellRandomFill;
}

uint32_t SquareWord(char c) {
    switch (c) {
        case ' ':
        case '.': return 0;
        case 'L': return kCellSingleLock;
        case 'D': return kCellDoubleLock;
        case '1': return kCellOneLayer;
        case '2': return kCellTwoLayers;
        case 'E': return kCellEntry;
        default: ADD_FAILURE() << "unknown square mark '" << c << "'"; return 0;
    }
}

}  // namespace

Design Design::parse(std::initializer_list<const char*> pieceRows, std::initializer_list<const char*> squareRows) {
    Design design;
    int row = 0;
    for (const char* text : pieceRows) {
        EXPECT_LE(std::strlen(text), static_cast<size_t>(kBoardColumns)) << text;
        for (int col = 0; text[col] != '\0' && col < kBoardColumns; ++col) {
            design.words[row * kBoardColumns + col] = PieceWord(text[col]);
        }
        ++row;
    }
    row = 0;
    for (const char* text : squareRows) {
        for (int col = 0; text[col] != '\0' && col < kBoardColumns; ++col) {
            design.words[row * kBoardColumns + col] |= SquareWord(text[col]);
        }
        ++row;
    }
    return design;
}

BoardTest::BoardTest() { ResetFrameForTesting(); }

BoardTest::~BoardTest() {
    board.reset();
    game.reset();
    ResetFrameForTesting();
}

void BoardTest::setUp(const Design& design, int level, bool coinsAllowed, unsigned seed) {
    SeedGameRand(seed);
    Board::spawnCounter = 1;
    Board::pieceClock = 0;
    score.setValue(0);
    board = std::make_unique<Board>(images);
    for (int colour = 0; colour < 5; ++colour) board->colours.Add(colour);
    board->scoreDisplay = &score;
    board->setupLevel(design.words, level, coinsAllowed);
}

void BoardTest::selectPlayer(const std::vector<const char*>& tipsSeen) {
    if (game == nullptr) game = std::make_unique<LDvGame>("Quorvane", "Quorvane", 0, 2);
    DeletePlayer(0);
    CreatePlayer(0, "Tester");
    SelectPlayer(0);
    ASSERT_TRUE(IsPlayerSelected());
    for (const char* tip : tipsSeen) SetPlayerInt("TIPS", tip, 1);
}

void BoardTest::dropPlayer() {
    game.reset();
    Frame().progress.reset();
}

void BoardTest::tick(int ticks) {
    for (int i = 0; i < ticks; ++i) {
        board->Update();
        LDvString fault;
        ASSERT_TRUE(board->checkConsistency(fault)) << fault << " after step " << board->tickCount;
    }
}

bool BoardTest::quiet() const {
    return board->isSettled() && board->swapTicks == 0 && board->swapBackTicks == 0 && board->windTicks == 0;
}

bool BoardTest::runUntilQuiet(int limit) {
    for (int i = 0; i < limit; ++i) {
        tick();
        if (testing::Test::HasFatalFailure()) return false;
        if (quiet()) return true;
    }
    return false;
}

std::vector<std::string> BoardTest::picture(int rows) const {
    std::vector<std::string> text;
    for (int row = 0; row < rows; ++row) {
        std::string line;
        int last = 0;
        for (int col = 0; col < kBoardColumns; ++col) {
            char c = '.';
            if (board->isActive(col, row)) c = '_';
            if (const GamePiece* p = board->pieceAt(col, row)) {
                c = p->special ? "*#$"[p->specialKind % 3] : static_cast<char>('a' + p->colour);
            }
            line += c;
            if (c != '.') last = col + 1;
        }
        line.resize(last);
        text.push_back(line);
    }
    return text;
}

int BoardTest::countPieces() const { return board->allPieces().Count(); }

int BoardTest::countSpecials(int kind) const {
    int n = 0;
    for (const auto& p : board->allPieces()) n += p->special && p->specialKind == kind ? 1 : 0;
    return n;
}

GamePiece& BoardTest::piece(int col, int row) {
    GamePiece* p = board->pieceAt(col, row);
    EXPECT_NE(p, nullptr) << "no piece at (" << col << ", " << row << ")";
    static GamePiece none;
    return p != nullptr ? *p : none;
}
