#!/usr/bin/env bash
# Writes the hand-made seed cues the fuzzer starts from: one small WAV per way the player's
# decoder reads sound (integer, float, A-law, mu-law, both ADPCMs, the extensible header),
# plus a file with an extra chunk and one whose header claims hours.
# usage: fuzz/write_seeds.sh FOLDER
set -euo pipefail
out=${1:?usage: write_seeds.sh FOLDER}
mkdir -p "$out"

le16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)); }
le32() { printf '%s%s' "$(le16 $(($1 & 65535)))" "$(le16 $((($1 >> 16) & 65535)))"; }
bytes() { local n=$1 b=$2 s=''; for ((i = 0; i < n; i++)); do s+="\\x$b"; done; printf '%s' "$s"; }

# fmt_chunk TAG CHANNELS RATE BITS BLOCK_ALIGN [EXTRA...]: a "fmt " chunk, EXTRA as escapes.
fmt_chunk() {
  local tag=$1 channels=$2 rate=$3 bits=$4 align=$5 extra=${6:-}
  local extra_len=$(( ${#extra} / 4 ))
  printf 'fmt %s%s%s%s%s%s%s%s' "$(le32 $((16 + extra_len)))" "$(le16 "$tag")" "$(le16 "$channels")" \
    "$(le32 "$rate")" "$(le32 $((rate * align)))" "$(le16 "$align")" "$(le16 "$bits")" "$extra"
}

# wav NAME CHUNKS: RIFF/WAVE around chunk escapes, the RIFF size filled in.
wav() {
  local name=$1 chunks=$2
  local length=$(printf "$chunks" | wc -c)
  printf "RIFF$(le32 $((length + 4)))WAVE$chunks" >"$out/$name"
}

data() { printf 'data%s%s' "$(le32 "$1")" "$2"; }

wav pcm16_mono.wav "$(fmt_chunk 1 1 44100 16 2)$(data 32 "$(bytes 16 40)$(bytes 16 c0)")"
wav pcm8_stereo.wav "$(fmt_chunk 1 2 8000 8 2)$(data 16 "$(bytes 8 ff)$(bytes 8 00)")"
wav pcm24_mono.wav "$(fmt_chunk 1 1 22050 24 3)$(data 12 "$(bytes 12 7f)")"
wav pcm32_stereo.wav "$(fmt_chunk 1 2 96000 32 8)$(data 64 "$(bytes 64 11)")"
wav float32_mono.wav "$(fmt_chunk 3 1 48000 32 4)$(data 16 "\\x00\\x00\\x00\\x3f\\x00\\x00\\x00\\xbf\\x00\\x00\\x80\\x3e\\x00\\x00\\x80\\xbe")"
wav alaw_mono.wav "$(fmt_chunk 6 1 8000 8 1 "$(le16 0)")$(data 8 "$(bytes 8 d5)")"
wav mulaw_mono.wav "$(fmt_chunk 7 1 8000 8 1 "$(le16 0)")$(data 8 "$(bytes 8 ff)")"
# IMA ADPCM: 36-byte blocks of 65 samples (a 4-byte header, then 32 bytes of 4-bit steps).
wav ima_adpcm_mono.wav "$(fmt_chunk 17 1 8000 4 36 "$(le16 2)$(le16 65)")fact$(le32 4)$(le32 65)$(data 36 "$(bytes 4 00)$(bytes 32 17)")"
# MS ADPCM: the seven standard coefficient pairs, 22-byte blocks of 32 samples.
coefficients="$(le16 256)$(le16 0)$(le16 512)$(le16 65280)$(le16 0)$(le16 0)$(le16 192)$(le16 64)$(le16 240)$(le16 0)$(le16 460)$(le16 65328)$(le16 392)$(le16 65304)"
wav ms_adpcm_mono.wav "$(fmt_chunk 2 1 8000 4 22 "$(le16 32)$(le16 32)$(le16 7)$coefficients")$(data 22 "\\x00$(le16 16)$(le16 0)$(le16 0)$(bytes 15 12)")"
# The extensible header: 16-bit stereo, subformat integer PCM.
pcm_guid='\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71'
wav extensible_stereo.wav "$(fmt_chunk 65534 2 44100 16 4 "$(le16 22)$(le16 16)$(le32 3)$pcm_guid")$(data 16 "$(bytes 16 20)")"
# An odd-sized chunk before the data, padded to an even length.
wav list_chunk.wav "$(fmt_chunk 1 1 11025 8 1)LIST$(le32 3)abc\\x00$(data 4 "$(bytes 4 80)")"
# A header that claims hours of sound in front of a few bytes.
wav declares_hours.wav "$(fmt_chunk 1 2 44100 16 4)$(data 4294967280 "$(bytes 8 00)")"
