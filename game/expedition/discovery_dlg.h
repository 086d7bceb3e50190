#pragma once
// The dialog of a new discovery: the path-blocking dialog's layout under the new-discovery title,
// listing the rewards the discovery grants. Lives for one modal run like its base.
#include "game/expedition/path_blocking_dlg.h"

class DiscoveryDlg : public PathBlockingDlg {
public:
    using PathBlockingDlg::PathBlockingDlg;

protected:
    const LDvOverlay& TitlePicture() const override;
};
