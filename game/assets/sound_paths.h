#pragma once
// The effect and music sounds every screen shares, by the path the sound tables name them with
// ("\\" separators, as the loaders take them). The game loads and plays them under these names
// and the forge writes each one at the same path with "/" separators, so a sound has one home.
#include <array>

namespace sounds {
inline constexpr const char kLandingClick1[] = "sounds\\sfx\\landing_click1.ogg";
inline constexpr const char kLandingClick2[] = "sounds\\sfx\\landing_click2.ogg";
inline constexpr const char kLandingClick3[] = "sounds\\sfx\\landing_click3.ogg";
inline constexpr const char kLevelStart[] = "sounds\\sfx\\level_start.ogg";
inline constexpr const char kLevelWin[] = "sounds\\sfx\\level_win.ogg";
inline constexpr const char kPiecesVanish[] = "sounds\\sfx\\pieces_vanish.ogg";
inline constexpr const char kPiecesMatch0[] = "sounds\\sfx\\pieces_match0.ogg";
inline constexpr const char kPiecesMatch1[] = "sounds\\sfx\\pieces_match1.ogg";
inline constexpr const char kPiecesMatch2[] = "sounds\\sfx\\pieces_match2.ogg";
inline constexpr const char kPiecesMatch3[] = "sounds\\sfx\\pieces_match3.ogg";
inline constexpr const char kColorsVanish[] = "sounds\\sfx\\colors_vanish.ogg";
inline constexpr const char kMouseOver[] = "sounds\\sfx\\mouseover.ogg";
inline constexpr const char kButtonClick[] = "sounds\\sfx\\button_click.ogg";
inline constexpr const char kConstruction[] = "sounds\\sfx\\construction.ogg";
inline constexpr const char kBreakSingleLock[] = "sounds\\sfx\\break_single_lock.ogg";
inline constexpr const char kBreakDoubleLock[] = "sounds\\sfx\\break_double_lock.ogg";
inline constexpr const char kExplodeCrystal[] = "sounds\\sfx\\explode_crystal.ogg";
inline constexpr const char kExplodeCrystalSmall[] = "sounds\\sfx\\explode_crystal_small.ogg";
inline constexpr const char kCrystalAppears[] = "sounds\\sfx\\crystal_appears.ogg";
inline constexpr const char kCrystalAppearsSmall[] = "sounds\\sfx\\crystal_appears_small.ogg";
inline constexpr const char kBoardReveal[] = "sounds\\sfx\\board_reveal.ogg";
inline constexpr const char kBuildingDone[] = "sounds\\sfx\\building_done.ogg";
inline constexpr const char kLandmassAppears[] = "sounds\\sfx\\landmass_appears.ogg";
inline constexpr const char kTake[] = "sounds\\sfx\\take.ogg";
inline constexpr const char kCombine[] = "sounds\\sfx\\combine.ogg";
inline constexpr const char kCantCombine[] = "sounds\\sfx\\cantcombine.ogg";
inline constexpr const char kPlacemarkerPopin[] = "sounds\\sfx\\placemarker_popin.ogg";
inline constexpr const char kPlacemarkerPopout[] = "sounds\\sfx\\placemarker_popout.ogg";
inline constexpr const char kNewDiscovery[] = "sounds\\sfx\\new_discovery.ogg";
inline constexpr const char kIconAppears[] = "sounds\\sfx\\icon_appears.ogg";
inline constexpr const char kTestBell[] = "sounds\\sfx\\test_bell.ogg";
inline constexpr const char kDismiss[] = "sounds\\sfx\\dismiss.ogg";
inline constexpr const char kScoreCounting[] = "sounds\\sfx\\score_counting.ogg";
inline constexpr const char kTimerWarning[] = "sounds\\sfx\\timer_warning.ogg";
inline constexpr const char kWindBonus[] = "sounds\\sfx\\windbonus.ogg";
inline constexpr const char kHintEnabled[] = "sounds\\sfx\\hint_enabled.ogg";
inline constexpr const char kSkipEnabled[] = "sounds\\sfx\\skip_enabled.ogg";
inline constexpr const char kPageTurn[] = "sounds\\sfx\\pageturn.ogg";
inline constexpr const char kOpenGuide[] = "sounds\\sfx\\open_guide.ogg";
inline constexpr const char kCollectedDisc[] = "sounds\\sfx\\collected_disc.ogg";
inline constexpr const char kGoodCombo[] = "sounds\\sfx\\goodcombo.ogg";
inline constexpr const char kGreatCombo[] = "sounds\\sfx\\greatcombo.ogg";
inline constexpr const char kGoodEndMusic[] = "sounds\\music\\good_end.ogg";
inline constexpr const char kBadEndMusic[] = "sounds\\music\\bad_end.ogg";
inline constexpr const char kTitleMusic[] = "sounds\\music\\title.ogg";
inline constexpr const char kCampMusic[] = "sounds\\music\\camp.ogg";
inline constexpr const char kPlay1Music[] = "sounds\\music\\play1.ogg";
inline constexpr const char kPlay4Music[] = "sounds\\music\\play4.ogg";
inline constexpr const char kPlay3Music[] = "sounds\\music\\play3.ogg";
inline constexpr const char kPlay2Music[] = "sounds\\music\\play2.ogg";
inline constexpr const char kPlay5Music[] = "sounds\\music\\play5.ogg";

// Played by number: a landing click at random, the match sound by cascade depth.
inline constexpr std::array<const char*, 3> kLandingClicks = {kLandingClick1, kLandingClick2, kLandingClick3};
inline constexpr std::array<const char*, 4> kPiecesMatch = {kPiecesMatch0, kPiecesMatch1, kPiecesMatch2, kPiecesMatch3};

// Loaded at start-up in this order.
inline constexpr std::array<const char*, 44> kEffectSounds = {
    kLandingClick1, kLandingClick2, kLandingClick3, kLevelStart,
    kLevelWin, kPiecesVanish, kPiecesMatch0, kPiecesMatch1,
    kPiecesMatch2, kPiecesMatch3, kColorsVanish, kMouseOver,
    kButtonClick, kConstruction, kBreakSingleLock, kBreakDoubleLock,
    kExplodeCrystal, kExplodeCrystalSmall, kCrystalAppears, kCrystalAppearsSmall,
    kBoardReveal, kBuildingDone, kLandmassAppears, kTake,
    kCombine, kCantCombine, kPlacemarkerPopin, kPlacemarkerPopout,
    kNewDiscovery, kIconAppears, kTestBell, kDismiss,
    kScoreCounting, kTimerWarning, kWindBonus, kHintEnabled,
    kSkipEnabled, kPageTurn, kOpenGuide, kCollectedDisc,
    kGoodCombo, kGreatCombo, kGoodEndMusic, kBadEndMusic,
};
inline constexpr std::array<const char*, 7> kMusic = {
    kTitleMusic, kCampMusic, kPlay1Music, kPlay4Music, kPlay3Music, kPlay2Music, kPlay5Music,
};

}  // namespace sounds
