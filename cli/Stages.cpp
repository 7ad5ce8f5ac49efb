#include "Stages.h"

namespace tarnel::cli {

Stage decodeStage(int kind, const std::string& label, const Word& word) {
    Stage stage{kind, label, {}};
    if (kind == 0)
        return stage;
    for (int i = 0; i < word.length && i < wordPositions; ++i)
        stage.cells.push_back(kind == 4 ? reflexGetSymbol(word.segments[i])
                                        : getSymbol(word.segments[i]));
    return stage;
}

} // namespace tarnel::cli
