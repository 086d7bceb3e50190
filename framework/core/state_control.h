#pragma once
// Switching the current state, running states modally and the one secondary dialog that can
// float over the current state. States are borrowed: the game owns them for the whole run.
class LDvDialog;
class LDvGame;
class LDvState;

// Leaves the current state (unless keepPrevious) and enters `state`. The secondary dialog closes.
void SetState(LDvState* state, LDvGame* game, bool keepPrevious);
// Enters `state` over the current one, which stays drawn beneath, and runs a nested main loop
// until `state` is no longer current. A quit request ends every modal loop through EndModal.
void RunModal(LDvState* state);
// Leaves the modal state and returns to the one beneath, which is not entered again.
void EndModal();
// Shows the tip dialog over the current state; it receives messages before the state.
void ShowSecondary(LDvDialog* dialog);
void CloseSecondary();
