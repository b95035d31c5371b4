#pragma once
// Packed blocks: the self-describing compressed byte blocks inside chunk files and BIG archives.
//
// A block starts with a signature byte, the marker 0xFB and the unpacked size (big-endian,
// 3 bytes, or 4 when bit 7 of the signature is set; bit 0 set means a second size field of the
// same width follows, which readers step over). The rest is the codec stream. We write only the
// LZ copy codec (0x10 / 0x90) but read every family the game's tools produced: LZ copy,
// block texture (0x18, 0x1A, 0x1C), Huffman with optional byte delta (0x30, 0x32, 0x34) and
// byte pair (0x46). The external codec family (0x1E) is never available in this program.
//
// Blocks come from files that strangers may hand us, so every decoder is told the block's
// length and the room in the destination: it never reads past the one nor writes past the
// other, and reports failure as 0 / false instead.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace torvale {

// Marker in the second byte of every packed block.
inline constexpr uint8_t kPackMarker = 0xFB;

// Largest packed length PACK_pack can produce for `length` input bytes: the input, one run
// byte per 112 literals, the header and the end command. Size PACK_pack's destination with it.
size_t PACK_packedBound(size_t length);

// The unpacked size stated in the header of an accepted packed block, or 0 when the block is
// not one (wrong marker, unknown signature, block-texture 0x1C, header cut short). Reads
// nothing past the header.
uint32_t PACK_size(const uint8_t* block, size_t blockLength);

// Decodes `block` into `destination`, which has room for `destinationLength` bytes; allocate
// it with the size PACK_size reported. Returns the unpacked size, or 0 when the block is not
// an accepted packed block, is damaged, or does not fit. A block that states an unpacked size
// of 0 also yields 0 (there is nothing to unpack).
uint32_t PACK_unpack(const uint8_t* block, size_t blockLength, uint8_t* destination,
                     size_t destinationLength);

// Packs `length` bytes with the LZ copy codec. With `write` set the header and stream go to
// `destination`, which must hold PACK_packedBound(length) bytes (`destinationLength`); with it
// clear nothing is written (destination may be null) and only the packed length is computed.
// Returns the total packed length including the header, or 0 on failure (tables could not be
// allocated, destination too small, input beyond 4 GiB).
size_t PACK_pack(const uint8_t* source, size_t length, uint8_t* destination,
                 size_t destinationLength, bool write);

// Packs the whole buffer with the LZ copy codec's deeper match finder and replaces it with the
// packed block (header 0x10 0xFB and a 3-byte size). False, buffer unchanged, for an empty
// buffer, one that already starts 0x10 0xFB, or one too large for a 3-byte size.
bool PACK_packInPlace(std::vector<uint8_t>& buffer);

// Replaces a block that starts exactly 0x10 0xFB with its unpacked bytes. Decodes until the end
// command or the end of the block and succeeds only if exactly the stated size came out; on
// failure the buffer stays as it was.
bool PACK_unpackInPlace(std::vector<uint8_t>& buffer);

}  // namespace torvale
