#include "framework/core/window_request.h"

WindowRequest& RequestedWindow() {
    static WindowRequest request;
    return request;
}
