#include "ocr/engine/TesseractEngine.h"

#include <mutex>
#include <vector>

#include <tesseract/baseapi.h>

namespace tarnveil {

namespace {

/// Idle instances kept for later passes; more than two passes rarely run at once.
constexpr std::size_t maxIdle = 4;

std::mutex poolMutex;

/// Never destroyed: idle instances stay reachable until the process ends, and no instance is
/// torn down while another thread might still be returning one.
std::vector<tesseract::TessBaseAPI*>& idle()
{
    static auto* instances = new std::vector<tesseract::TessBaseAPI*>;
    return *instances;
}

Result<tesseract::TessBaseAPI*, std::string> start()
{
    auto api = std::make_unique<tesseract::TessBaseAPI>();
    // Dictionaries can only be switched off while the model loads. Without them the engine
    // reports what it sees rather than the nearest English word, which is what tokens need.
    std::vector<std::string> names{"load_system_dawg", "load_freq_dawg", "debug_file"};
    std::vector<std::string> values{"0", "0", "/dev/null"};
    if (api->Init(nullptr, "eng", tesseract::OEM_LSTM_ONLY, nullptr, 0, &names, &values, false) != 0) {
        return failure(std::string("text recognition cannot start: Tesseract's English model (eng.traineddata) "
                                   "is missing; install tesseract-ocr-eng or set TESSDATA_PREFIX"));
    }
    // The bitmaps are prepared as dark text on white, so the engine's own retry of every
    // doubtful line in inverted colours would only cost time.
    api->SetVariable("tessedit_do_invert", "0");
    // One block of text, no layout analysis: on screenshots the engine's column and picture
    // detection cuts aligned rows (log fields, tables, a key and its value) into pieces read
    // without their context, and can drop whole runs of lines as non-text. Rows are joined and
    // ordered afterwards.
    api->SetPageSegMode(tesseract::PSM_SINGLE_BLOCK);
    return api.release();
}

} // namespace

void TesseractEngine::Release::operator()(tesseract::TessBaseAPI* api) const
{
    api->Clear();
    std::lock_guard lock(poolMutex);
    if (idle().size() < maxIdle) {
        idle().push_back(api);
        return;
    }
    delete api;
}

Result<TesseractEngine::Handle, std::string> TesseractEngine::borrow()
{
    {
        std::lock_guard lock(poolMutex);
        if (!idle().empty()) {
            tesseract::TessBaseAPI* api = idle().back();
            idle().pop_back();
            return Handle(api);
        }
    }
    auto started = start();
    if (!started.ok()) {
        return failure(started.error());
    }
    return Handle(started.value());
}

} // namespace tarnveil
