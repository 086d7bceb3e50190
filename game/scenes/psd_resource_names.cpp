#include "game/scenes/psd_resource_names.h"

#include <algorithm>
#include <iterator>

namespace {

struct ResourceName {
    int id;
    const char* description;
};

// Sorted by id. 1005 keeps the stray colon its line has always had in the log.
constexpr ResourceName kResourceNames[] = {
    {1000, "(Obsolete--Photoshop 2.0 only ) Contains five 2-byte values: number of channels, rows, columns, depth, and mode"},
    {1001, "Macintosh print manager print info record"},
    {1003, "(Obsolete--Photoshop 2.0 only ) Contains the indexed color table"},
    {1005, ":ResolutionInfo structure"},
    {1006, "Names of the alpha channels as a series of Pascal strings"},
    {1007, "(Obsolete) See ID 1077DisplayInfo structure"},
    {1008, "The caption as a Pascal string"},
    {1009, "Border information"},
    {1010, "Background color"},
    {1011, "Print flags"},
    {1012, "Grayscale and multichannel halftoning information"},
    {1013, "Color halftoning information"},
    {1014, "Duotone halftoning information"},
    {1015, "Grayscale and multichannel transfer function"},
    {1016, "Color transfer functions"},
    {1017, "Duotone transfer functions"},
    {1018, "Duotone image information"},
    {1019, "Two bytes for the effective black and white values for the dot range"},
    {1020, "(Obsolete)"},
    {1021, "EPS options"},
    {1022, "Quick Mask information"},
    {1023, "(Obsolete)"},
    {1024, "Layer state information"},
    {1025, "Working path (not saved)"},
    {1026, "Layers group information"},
    {1027, "(Obsolete)"},
    {1028, "IPTC-NAA record"},
    {1029, "Image mode for raw format files"},
    {1030, "JPEG quality"},
    {1032, "(Photoshop 4.0) Grid and guides information"},
    {1033, "(Photoshop 4.0) Thumbnail resource for Photoshop 4.0 only"},
    {1034, "(Photoshop 4.0) Copyright flag"},
    {1035, "(Photoshop 4.0) URL"},
    {1036, "(Photoshop 5.0) Thumbnail resource (supersedes resource 1033)"},
    {1037, "(Photoshop 5.0) Global Angle"},
    {1038, "(Obsolete) See ID 1073 below. (Photoshop 5.0) Color samplers resource"},
    {1039, "(Photoshop 5.0) ICC Profile"},
    {1040, "(Photoshop 5.0) Watermark"},
    {1041, "(Photoshop 5.0) ICC Untagged Profile"},
    {1042, "(Photoshop 5.0) Effects visible"},
    {1043, "(Photoshop 5.0) Spot Halftone"},
    {1044, "(Photoshop 5.0) Document-specific IDs seed number"},
    {1045, "(Photoshop 5.0) Unicode Alpha Names"},
    {1046, "(Photoshop 6.0) Indexed Color Table Count"},
    {1047, "(Photoshop 6.0) Transparency Index"},
    {1049, "(Photoshop 6.0) Global Altitude"},
    {1050, "(Photoshop 6.0) Slices"},
    {1051, "(Photoshop 6.0) Workflow URL"},
    {1052, "(Photoshop 6.0) Jump To XPEP"},
    {1053, "(Photoshop 6.0) Alpha Identifiers"},
    {1054, "(Photoshop 6.0) URL List"},
    {1057, "(Photoshop 6.0) Version Info"},
    {1058, "(Photoshop 7.0) EXIF data 1"},
    {1059, "(Photoshop 7.0) EXIF data 3"},
    {1060, "(Photoshop 7.0) XMP metadata"},
    {1061, "(Photoshop 7.0) Caption digest"},
    {1062, "(Photoshop 7.0) Print scale"},
    {1064, "(Photoshop CS) Pixel Aspect Ratio"},
    {1065, "(Photoshop CS) Layer Comps"},
    {1066, "(Photoshop CS) Alternate Duotone Colors"},
    {1067, "(Photoshop CS) Alternate Spot Colors"},
    {1069, "(Photoshop CS2) Layer Selection ID(s)"},
    {1070, "(Photoshop CS2) HDR Toning information"},
    {1071, "(Photoshop CS2) Print info"},
    {1072, "(Photoshop CS2) Layer Group(s) Enabled ID"},
    {1073, "(Photoshop CS3) Color samplers resource"},
    {1074, "(Photoshop CS3) Measurement Scale"},
    {1075, "(Photoshop CS3) Timeline Information"},
    {1076, "(Photoshop CS3) Sheet Disclosure"},
    {1077, "(Photoshop CS3) DisplayInfo structure to support floating point colors"},
    {1078, "(Photoshop CS3) Onion Skins"},
    {1080, "(Photoshop CS4) Count Information"},
    {1082, "(Photoshop CS5) Print Information"},
    {1083, "(Photoshop CS5) Print Style"},
    {1084, "(Photoshop CS5) Macintosh NSPrintInfo"},
    {1085, "(Photoshop CS5) Windows DEVMODE"},
    {2999, "Name of clipping path"},
    {7000, "Image Ready variables"},
    {7001, "Image Ready data sets"},
    {8000, "(Photoshop CS3) Lightroom workflow"},
    {10000, "Print flags information"},
};

// Saved paths take a whole range of ids.
constexpr int kFirstPathId = 2000;
constexpr int kLastPathId = 2997;

}  // namespace

LDvString PsdResourceTypeLine(int resourceId) {
    if (resourceId >= kFirstPathId && resourceId <= kLastPathId) return "Resource Type :file path information";
    const auto* found = std::lower_bound(std::begin(kResourceNames), std::end(kResourceNames), resourceId,
                                         [](const ResourceName& entry, int id) { return entry.id < id; });
    if (found == std::end(kResourceNames) || found->id != resourceId) return "Resource type : Unknown";
    return LDvString("Resource Type :") + found->description;
}
