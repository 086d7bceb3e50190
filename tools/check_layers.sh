#!/usr/bin/env bash
# Fails when a file includes upward across the layers (engine <- framework <- game), or when code
# outside the engine includes the platform libraries the engine wraps. Tools and tests may use any.
set -u
cd "$(dirname "$0")/.."
status=0

report() {  # folder, pattern, what is forbidden there
    local hits
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "^#include [<\"]($2)" "$1" 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "$1 must not include $3:"
        echo "$hits"
        status=1
    fi
}

report engine 'framework/|game/' 'framework or game headers'
report framework 'game/' 'game headers'
report framework 'SDL|png\.h|jpeglib\.h|vorbis/|ogg/' 'platform libraries (the engine wraps them)'
report game 'SDL|png\.h|jpeglib\.h|vorbis/|ogg/' 'platform libraries (the engine wraps them)'
[ $status -eq 0 ] && echo "layers: no upward includes"
exit $status
