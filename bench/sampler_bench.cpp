// One sampler run into an empty output box, and the 50th run into the same box: the time from
// the start of a run until its question is up, under the real toolkit on the real GDI.
#include "app/global_state.h"
#include "art/sampler.h"
#include "art/sampling_surface.h"
#include "support/message_box_answerer.h"
#include "support/ui.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace toolkit;
using namespace testing_support;

int main() {
    const WindowDefinition definition{
        .name = "bench",
        .title = "sampler bench",
        .left = 50,
        .top = 50,
        .width = 1009,
        .height = 460,
        .frame = Frame::resizable,
        .clientEdge = true,
        .controls = {art::samplingSurface(873, 372),
                     {.name = "编辑框main",
                      .width = 989,
                      .height = 420,
                      .settings = EditBoxSettings{.multiLine = true,
                                                  .horizontalScrollBar = true,
                                                  .verticalScrollBar = true,
                                                  .border = Border::line,
                                                  .font = {.face = "@宋体", .height = -13}}}}};
    auto window = Window::create(definition);
    window->show();
    pumpMessages(std::chrono::milliseconds(100));
    DrawingSurface& surface = window->surface("画板1");
    surface.setFontName("宋体");
    surface.setFontSize(9);
    app::globalState.sourceText = "字符画 tuk";
    app::globalState.fillText = "*";

    constexpr int runs = 50;
    std::vector<double> millis;
    for (int run = 1; run <= runs; ++run) {
        MessageBoxAnswerer answerer({IDNO});
        const auto start = std::chrono::steady_clock::now();
        art::runSampler(surface, window->editBox("编辑框main"));
        millis.push_back(
            std::chrono::duration<double, std::milli>(answerer.seen().at(0).activatedAt - start)
                .count());
    }
    std::vector<double> sorted(millis.begin() + 1, millis.end());
    std::sort(sorted.begin(), sorted.end());
    std::printf("sampler run 1 (empty box):  %6.1f ms\n", millis.front());
    std::printf("sampler run 50 (same box):  %6.1f ms\n", millis.back());
    std::printf("runs 2-50 median:           %6.1f ms\n", sorted[sorted.size() / 2]);
    std::printf("output box length:          %zu bytes\n",
                window->editBox("编辑框main").text().size());
    return 0;
}
