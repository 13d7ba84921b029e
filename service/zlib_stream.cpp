#include "service/zlib_stream.h"

#include <array>

#include <zlib.h>

#include "platform/translation.h"

namespace skarvel {
namespace {

class InflateStream {
 public:
  InflateStream() {
    if (inflateInit(&stream_) != Z_OK)
      throw ZlibError(Tr("Service", "zlib could not start inflating"));
  }
  ~InflateStream() { inflateEnd(&stream_); }
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;

  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
};

std::string Reason(const z_stream& stream, int code) {
  if (stream.msg != nullptr) return stream.msg;
  return code == Z_BUF_ERROR ? Tr("Service", "the data ends before the end of the stream")
                             : std::string(zError(code));
}

}  // namespace

std::string ZlibInflate(std::string_view compressed, std::size_t limit) {
  InflateStream inflater;
  z_stream& stream = *inflater.get();
  // zlib's API takes non-const input; it never writes through it.
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  std::string out;
  std::array<char, 64 * 1024> chunk;
  for (;;) {
    stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
    stream.avail_out = static_cast<uInt>(chunk.size());
    const int code = inflate(&stream, Z_NO_FLUSH);
    const std::size_t produced = chunk.size() - stream.avail_out;
    if (out.size() + produced > limit) {
      throw ZlibError(
          Fill(Tr("Service", "it inflates to more than %1 bytes"), {std::to_string(limit)}));
    }
    out.append(chunk.data(), produced);
    if (code == Z_STREAM_END) return out;
    // No progress with room to spare means the input ran out before the stream ended.
    if (code != Z_OK || (produced == 0 && stream.avail_in == 0)) {
      throw ZlibError(Reason(stream, code == Z_OK ? Z_BUF_ERROR : code));
    }
  }
}

std::string ZlibDeflate(std::string_view plain) {
  uLongf size = compressBound(static_cast<uLong>(plain.size()));
  std::string out(size, '\0');
  const int code = compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                             reinterpret_cast<const Bytef*>(plain.data()),
                             static_cast<uLong>(plain.size()), Z_DEFAULT_COMPRESSION);
  if (code != Z_OK) throw ZlibError(zError(code));
  out.resize(size);
  return out;
}

}  // namespace skarvel
