#pragma once
// The parts of a Photoshop document before its layers: the file header, the colour mode data and
// the image resources. Each reads from the reader's position and leaves it after its part; the
// resources are only logged.
#include <cstdint>

class PsdByteReader;

struct PsdHeader {
    uint16_t version = 0;
    uint16_t channels = 0;
    uint32_t height = 0;
    uint32_t width = 0;
    uint16_t depth = 0;  // bits per channel; samples are read as 8-bit whatever it says
    uint16_t mode = 0;
};

// False when the signature is not "8BPS" (logged): the document must not be read further.
bool ReadPsdHeader(PsdByteReader& in, PsdHeader& header);
void ReadPsdColourModeData(PsdByteReader& in);
void ReadPsdImageResources(PsdByteReader& in);
