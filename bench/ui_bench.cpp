// bench/ui_bench.cpp — the interface toolkit's budgets: loading a whole skin, drawing a busy
// screen stack, laying out a long help page.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "data/memory_stream.hpp"
#include "ui/form.hpp"
#include "ui/interface_engine.hpp"
#include "ui/null_graphic.hpp"
#include "ui/orl_font_engine.hpp"
#include "ui/rich_label.hpp"

namespace {

std::string P(const std::string& n, const std::string& v) {
  return "<p n=\"" + n + "\">" + v + "</p>";
}

// Printable ASCII, 7 to 10 pixels wide, lines 16 high.
std::string Metrics() {
  std::string m;
  for (int c = 32; c < 127; ++c) {
    if (!m.empty()) m += ",";
    m += std::to_string(c) + ":" + std::to_string((c - 32) * 10) +
         ":0:0:" + std::to_string(7 + c % 4) + ":1";
  }
  return m;
}

struct TBenchWorld {
  TBenchWorld() {
    graphic = std::make_shared<ui::TOrlNullGraphic>();
    graphic->SetPictureSize("back.png", 400, 300);
    graphic->SetPictureSize("button.png", 120, 24);
    fonts.Graphic = graphic;
    data::TMemoryStream font(
        "<Font><Name>Main</Name><Height>16</Height><Picture>font.png</Picture>"
        "<Metrics>" +
        Metrics() + "</Metrics></Font>");
    fonts.LoadFromStream(font);
    engine.Graphic = graphic;
    engine.FontEngine = &fonts;
  }
  std::shared_ptr<ui::TOrlNullGraphic> graphic;
  ui::TOrlFontEngine fonts;
  ui::TOrlInterfaceEngine engine;
};

// `forms` windows of `controls` controls each: labels mostly, an edit, a check box, a grid.
std::string Skin(int forms, int controls) {
  std::string s = "<OrlInterface><o c=\"TOrlDefaults\">" + P("DefLine", "TOrlLabel;FontName;Main") +
                  P("DefLine", "TOrlLabel;Alpha;255") + "</o>\n";
  for (int f = 0; f < forms; ++f) {
    const std::string form = "W" + std::to_string(f);
    s += "<o c=\"TOrlForm\">" + P("ParentName", "Screen") + P("Name", form) + P("Width", "400") +
         P("Height", "300") + P("HAlign", "haCenter") + P("VAlign", "vaCenter") +
         P("Picture", "back.png") + P("Visible", "true") + "</o>\n";
    for (int c = 0; c < controls; ++c) {
      const std::string name = form + "_C" + std::to_string(c);
      const std::string common = P("ParentName", form) + P("Name", name) +
                                 P("Left", std::to_string(10 + c % 3 * 130)) +
                                 P("Top", std::to_string(10 + c / 3 * 28)) + P("Width", "120") +
                                 P("Height", "24") + P("Visible", "true");
      if (c % 8 == 5) {
        s += "<o c=\"TOrlEdit\">" + common + P("FontName", "Main") + P("MaxLength", "20") +
             P("MaxWidth", "110") + P("Caption", "Player") + "</o>\n";
      } else if (c % 8 == 6) {
        s += "<o c=\"TOrlCheckBox\">" + common + P("Picture", "button.png") +
             P("Caption", "Sound on") + "</o>\n";
      } else if (c % 8 == 7) {
        s += "<o c=\"TOrlGrid\">" + common + P("RowsHeight", "12") +
             P("AddColumns", "Width=\"60\" FontName=\"Main\";Width=\"60\"") +
             P("AddCells", "Text=\"Ann\";Text=\"120\";Text=\"Bob\";Text=\"90\"") + "</o>\n";
      } else {
        s += "<o c=\"TOrlLabel\">" + common + P("Picture", "button.png") +
             P("MouseOverPicture", "button.png") + P("Alignment", "taCenter") +
             P("Layout", "tlCenter") + P("Caption", "Button " + std::to_string(c)) +
             P("OnMouseUp", "ShowModal Form=\"W0\";") + "</o>\n";
      }
    }
  }
  return s + "</OrlInterface>\n";
}

void BM_LoadInterface400(benchmark::State& state) {
  const std::string skin = Skin(25, 15);  // 25 forms and 375 controls
  for (auto _ : state) {
    TBenchWorld w;
    data::TMemoryStream stream(skin);
    w.engine.LoadFromStream(stream);
    benchmark::DoNotOptimize(w.engine.Count());
  }
}
BENCHMARK(BM_LoadInterface400)->Unit(benchmark::kMillisecond);

void BM_DrawAll150(benchmark::State& state) {
  TBenchWorld w;
  data::TMemoryStream stream(Skin(6, 25));  // 6 forms, 150 visible controls
  w.engine.LoadFromStream(stream);
  for (int f = 0; f < 6; ++f) w.engine.ShowModal("W" + std::to_string(f));
  for (auto _ : state) w.engine.DrawAll();
}
BENCHMARK(BM_DrawAll150)->Unit(benchmark::kMicrosecond);

void BM_RichLayout2000(benchmark::State& state) {
  TBenchWorld w;
  data::TMemoryStream stream("<OrlInterface><o c=\"TOrlDefaults\">" + P("DefLine", "X;Y;Z") +
                             "</o>" + "<o c=\"TOrlRichLabel\">" + P("ParentName", "Screen") +
                             P("Name", "Help") + P("Width", "500") + P("Height", "400") +
                             P("FontName", "Main") + "</o></OrlInterface>");
  w.engine.LoadFromStream(stream);
  auto& label = dynamic_cast<ui::TOrlRichLabel&>(*w.engine.FindObject("Help"));
  std::u16string caption;
  const std::u16string pieces[] = {
      u"{$FF}Crystals{/$} of one colour that touch form a group. ",
      u"{Center}Clear groups of three or more!{/Center}",
      u"{Link Action=ExecMethod Method=\"Help\";}Read more{/Link} about bosses. ",
      u"{Table}{TLeft 0/}Rotate{TRight 300/}12{BR/}{/Table}",
      u"{Justify}The dead line rises under the structure, faster in the Puzzle mode.{/Justify}"};
  for (size_t i = 0; caption.size() < 2000; ++i) caption += pieces[i % 5];
  caption.resize(2000);
  for (auto _ : state) {
    label.SetCaption(caption);
    benchmark::DoNotOptimize(label.Words().size());
  }
}
BENCHMARK(BM_RichLayout2000)->Unit(benchmark::kMicrosecond);

}  // namespace
