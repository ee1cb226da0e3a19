// content/audio/ogg_writer.cpp — libvorbis encoding (quality 0.5, about 80 kbit/s mono).
#include "content/audio/ogg_writer.hpp"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace synth {
namespace {

void WritePages(ogg_stream_state& os, std::FILE* f, bool flush) {
  ogg_page page;
  while (flush ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page)) {
    std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), f);
    std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), f);
  }
}

}  // namespace

void WriteOggVorbis(const std::string& path, const Buffer& samples, int serial) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 1, kRate, 0.5f) != 0) {
    std::fclose(f);
    throw std::runtime_error("the Vorbis encoder refused its settings");
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "ENCODER", "zerith_sound_gen");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, serial);
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  WritePages(os, f, true);

  const size_t chunk = 1024;
  for (size_t at = 0;; at += chunk) {
    const size_t n = at < samples.size() ? std::min(chunk, samples.size() - at) : 0;
    if (n == 0) {
      vorbis_analysis_wrote(&vd, 0);  // end of stream
    } else {
      float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
      std::copy(samples.begin() + static_cast<long>(at),
                samples.begin() + static_cast<long>(at + n), buffer[0]);
      vorbis_analysis_wrote(&vd, static_cast<int>(n));
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        WritePages(os, f, false);
      }
    }
    if (n == 0) break;
  }
  WritePages(os, f, true);
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  if (std::fclose(f) != 0) throw std::runtime_error("cannot write " + path);
}

}  // namespace synth
