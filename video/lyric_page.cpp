#include "video/lyric_page.h"

#include <algorithm>
#include <utility>

#include "catalog/errors.h"
#include "display/lyric_font.h"
#include "video/picture_scale.h"

namespace lyrova {
namespace {

// Times wrap like the 32-bit numbers they are instead of overflowing.
std::int32_t Wrap(std::int64_t v) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

}  // namespace

const std::string& TLyricPage::IntroLine() {
  static const std::string text = "Вступление...";
  return text;
}

TLyricPage::TLyricPage(std::function<TLyricLook()> look) : look_(std::move(look)) {}

HResult TLyricPage::CreateSurface(TDisplay& display) {
  HResult hr = display.NewSurface(&lyricSurface_, kTextWidth, kTextHeight);
  if (hr != S_OK) return hr;
  hr = lyricSurface_->SetSourceKey(0);
  if (hr != S_OK) return hr;
  FillSurface(*lyricSurface_, 0);
  return S_OK;
}

void TLyricPage::AddLyricLine(std::vector<TLline>& lines, const std::string& text,
                              const TLyricLook& look, int pageFontHeight, int stringsCount) const {
  const int slot = static_cast<int>(lines.size() % static_cast<std::size_t>(stringsCount));
  const int h = kTextHeight / stringsCount;
  TLline line({0, slot * h, kTextWidth, slot * h + h - 1});
  // A line too wide for the picture is drawn whole with a smaller font.
  const int height =
      FittingFontHeight(text, look.fontName, pageFontHeight, kTextWidth - 2 * kSideMargin);
  line.Layout(text, look.fontName, height, look.color1, look.color2, look.shadow);
  lines.push_back(std::move(line));
}

void TLyricPage::SetLyrics(const std::vector<std::string>& words) {
  const TLyricLook look = look_ ? look_() : TLyricLook{};
  // The page arithmetic divides by the line count: never below one line.
  const int stringsCount = std::max(1, look.stringsCount);
  auto lines = std::make_shared<std::vector<TLline>>();
  lines->reserve(words.size() + 1);
  // Lines that would overlap in their slots all get a smaller font.
  const int pageHeight = PageFontHeight(look.fontName, look.fontHeight, stringsCount, kTextHeight);
  AddLyricLine(*lines, IntroLine(), look, pageHeight, stringsCount);
  for (const std::string& text : words) {
    if (!text.empty()) AddLyricLine(*lines, text, look, pageHeight, stringsCount);
  }
  auto snapshot = std::make_shared<TLyricSnapshot>();
  snapshot->lines = std::move(lines);
  snapshot->stringsCount = stringsCount;
  Publish(std::move(snapshot));
}

void TLyricPage::SetTiming(const TimingPairs& timing) {
  const auto current = Snapshot();
  auto snapshot = std::make_shared<TLyricSnapshot>();
  if (current) *snapshot = {current->lines, {}, current->stringsCount};
  if (timing.empty() || !snapshot->lines) {
    Publish(std::move(snapshot));
    return;
  }

  // The introduction is shared out over the intro line's characters, the
  // last share taking the remainder.
  std::vector<std::pair<std::int32_t, std::int32_t>> expanded;
  expanded.reserve(timing.size() + kIntroShares);
  const std::int32_t s0 = timing[0].start;
  const std::int32_t l0 = timing[0].length;
  const std::int32_t q = l0 / kIntroShares;
  const std::int32_t r = l0 % kIntroShares;
  for (int k = 0; k < kIntroShares - 1; ++k) {
    expanded.emplace_back(Wrap(static_cast<std::int64_t>(s0) + std::int64_t{k} * q), q);
  }
  expanded.emplace_back(Wrap(static_cast<std::int64_t>(s0) + std::int64_t{12} * q),
                        Wrap(std::int64_t{q} + r));
  for (std::size_t k = 1; k < timing.size(); ++k) expanded.emplace_back(timing[k].start, timing[k].length);

  const std::vector<TLline>& lines = *snapshot->lines;
  std::size_t line = 0;
  int ch = 0;
  snapshot->timing.reserve(expanded.size());
  for (const auto& [start, length] : expanded) {
    if (line >= lines.size()) break;
    snapshot->timing.push_back({start, length, static_cast<std::int32_t>(line), ch});
    // A line without characters still takes one pair.
    if (ch + 1 < lines[line].CharCount()) {
      ++ch;
    } else {
      ++line;
      ch = 0;
    }
  }
  Publish(std::move(snapshot));
}

int TLyricPage::FindTimingEntry(const std::vector<TTimingEntry>& table, std::int32_t t) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const TTimingEntry& e = table[i];
    if (e.start <= t && std::int64_t{t} <= std::int64_t{e.start} + e.length) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

float TLyricPage::Fraction(const TTimingEntry& e, std::int32_t t) {
  const std::int64_t into = std::int64_t{t} - e.start;
  if (e.length == 0) return into < 0 ? -1.0f : (into == 0 ? 1.0f : 2.0f);
  return static_cast<float>(static_cast<double>(into) / e.length);
}

void TLyricPage::DrawLyrics(TDisplay& display, std::int32_t t) {
  if (t == 0) return;
  const auto snapshot = Snapshot();
  if (!snapshot || snapshot->timing.empty()) return;
  const std::vector<TTimingEntry>& table = snapshot->timing;
  int b = FindTimingEntry(table, t);
  if (b == -1) b = t < table.front().start ? 0 : static_cast<int>(table.size()) - 1;

  if (!lyricSurface_) throw Error(DescribeResult(E_POINTER));
  FillSurface(*lyricSurface_, 0);

  TSurface* back = display.BackBuffer();
  if (back == nullptr) return;
  const TPictureScale scale = TPictureScale::For(display.Width(), display.Height());
  if (scaled_.source != snapshot->lines || scaled_.scale != scale.scale) {
    scaled_.source = snapshot->lines;
    scaled_.scale = scale.scale;
    scaled_.lines.clear();
    scaled_.lines.resize(snapshot->lines->size());
  }
  const TTimingEntry& entry = table[static_cast<std::size_t>(b)];
  const int count = snapshot->stringsCount;
  const int n = static_cast<int>(snapshot->lines->size());
  const int cur = entry.line;
  const int first = cur - cur % count;
  const int x = scale.X(0);
  const int y = scale.Y(TPictureScale::kDesignHeight - kTextHeight);
  for (int i = first; i < first + count && i < n; ++i) {
    if (i < cur) {
      // A sung line gives its slot to the line that comes next there.
      if (i + count < n) {
        Scaled(*snapshot, i + count).DrawOnScreen(*back, x, y, 0, 0.0f);
      } else {
        const TLline& line = Scaled(*snapshot, i);
        line.DrawOnScreen(*back, x, y, line.CharCount() - 1, 1.0f);
      }
    } else if (i > cur) {
      Scaled(*snapshot, i).DrawOnScreen(*back, x, y, 0, 0.0f);
    } else {
      Scaled(*snapshot, i).DrawOnScreen(*back, x, y, entry.ch, Fraction(entry, t));
    }
  }
  // The lines that take the page's slots next are rendered one per tick
  // before they are needed, so no tick renders many.
  for (int i = first + count; i < first + 2 * count && i < n; ++i) {
    if (!scaled_.lines[static_cast<std::size_t>(i)]) {
      Scaled(*snapshot, i);
      break;
    }
  }
}

const TLline& TLyricPage::Scaled(const TLyricSnapshot& snapshot, int i) {
  std::unique_ptr<TLline>& slot = scaled_.lines[static_cast<std::size_t>(i)];
  if (!slot) {
    const TLline& design = (*snapshot.lines)[static_cast<std::size_t>(i)];
    const TPictureScale scale{scaled_.scale, 0.0, 0.0};
    const TRect r = design.Rect();
    slot = std::make_unique<TLline>(
        TRect{scale.Length(r.left), scale.Length(r.top), scale.Length(r.right),
              scale.Length(r.bottom + 1) - 1});
    slot->Init(design.Text(), design.FontName(), scale.FontHeight(design.FontHeight()),
               design.Color1(), design.Color2(), design.Shadow(),
               std::max(1, scale.Length(kShadowOffset)));
  }
  return *slot;
}

std::optional<std::int32_t> TLyricPage::FirstSungStart(const TLyricSnapshot& snapshot) {
  if (snapshot.timing.empty()) return std::nullopt;
  for (const TTimingEntry& e : snapshot.timing) {
    if (e.line >= 1) return e.start;
  }
  const TTimingEntry& last = snapshot.timing.back();
  return Wrap(std::int64_t{last.start} + last.length);
}

std::shared_ptr<const TLyricSnapshot> TLyricPage::Snapshot() const {
  std::lock_guard lock(snapshotMutex_);
  return snapshot_;
}

void TLyricPage::Publish(std::shared_ptr<const TLyricSnapshot> snapshot) {
  std::shared_ptr<const TLyricSnapshot> old;
  std::lock_guard lock(snapshotMutex_);
  old = std::exchange(snapshot_, std::move(snapshot));
}

}  // namespace lyrova
