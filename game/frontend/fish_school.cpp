#include "game/frontend/fish_school.h"

void FishSchool::OnTick(int schoolStep) {
    for (Fishy& one : fish) one.OnTick(schoolStep);
}

void FishSchool::Draw() {
    for (Fishy& one : fish) one.Draw();
}

void FishSchool::SetSheet(LDvOverlay* sheet) {
    for (Fishy& one : fish) one.sheet = sheet;
}

void FishSchool::MakeFar() {
    for (Fishy& one : fish) one.far = true;
}
