#include "game/scenes/hog.h"

#include "game/scenes/inventory.h"

HOG::HOG() {
    for (int k = 0; k < kCells; ++k) {
        HOGText& cell = cells[k];
        const int column = k / kRows;
        const int row = k % kRows;
        cell.left = kFirstCell.x + (cellWidth + kGap) * column;
        cell.top = kFirstCell.y + (cellHeight + kGap) * row;
        cell.right = cell.left + cellWidth - 1;
        cell.bottom = cell.top + cellHeight - 1;
        cell.text = "TestText" + std::to_string(k);
    }
}

void HOG::SetLook(LDvFont* font, LDvSprite* strike) {
    for (HOGText& cell : cells) {
        cell.font = font;
        cell.strike = strike;
    }
}

void HOG::AddEntry(const LDvString& name, const LDvString& pluralName, int count) {
    auto entry = std::make_unique<HOGITEM>();
    entry->name = name;
    entry->pluralName = pluralName;
    entry->count = count;
    entries.Add(std::move(entry));
    RebuildTexts();
}

// Cells of an earlier scene's list are blanked too, so no stale name is shown.
void HOG::ClearEntries() {
    entries.Clear();
    for (HOGText& cell : cells) {
        cell.text.clear();
        cell.struck = false;
        cell.strikeProgress = 0.0f;
        cell.flashCounter = 0;
    }
    RebuildTexts();
}

void HOG::RebuildTexts() {
    size_t k = 0;
    for (const auto& entry : entries) {
        if (k == cells.size()) break;
        HOGText& cell = cells[k++];
        const int remaining = entry->count - entry->found;
        if (remaining == 0) {
            cell.text = entry->name;
            continue;
        }
        cell.struck = false;
        if (remaining == 1) {
            cell.text = entry->name;
        } else {
            cell.text = (entry->pluralName.empty() ? entry->name : entry->pluralName) + " x" + std::to_string(remaining);
        }
    }
}

void HOG::MarkFound(const LDvString& id) {
    size_t k = 0;
    for (const auto& entry : entries) {
        if (UpperId(entry->name) == id) {
            // A find beyond the count would leave the entry short of complete for good.
            if (entry->found >= entry->count) return;
            ++entry->found;
            const bool complete = entry->found == entry->count;
            if (k < cells.size() && complete) {
                cells[k].struck = true;
                cells[k].strikeProgress = 0.0f;
            }
            RebuildTexts();
            if (k < cells.size()) cells[k].flashCounter = HOGText::kFlashSteps;
            return;
        }
        ++k;
    }
}

bool HOG::AllFound() const {
    for (const HOGText& cell : cells) {
        if (!cell.Settled()) return false;
    }
    for (const auto& entry : entries) {
        if (entry->found != entry->count) return false;
    }
    return true;
}

void HOG::OnTick(int tickCount) {
    for (HOGText& cell : cells) cell.OnTick(tickCount);
}

void HOG::Draw() {
    for (HOGText& cell : cells) cell.Draw();
}
