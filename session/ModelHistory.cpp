// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelHistory.h"

#include <algorithm>

namespace tarnel {

namespace {

// The plain lists of a model, in the order of ModelDelta::lists, with the part each is in.
struct ListOfPart {
    StringList Model::*list;
    ModelPart part;
};
constexpr std::array<ListOfPart, 9> plainLists = {{
    {&Model::lstSupply, rulesPart},
    {&Model::lstDiacOrd, ordersPart},
    {&Model::lstM, ordersPart},
    {&Model::lstP, ordersPart},
    {&Model::lstEtyOrd, ordersPart},
    {&Model::lstReflOrd, ordersPart},
    {&Model::lstCol, alphabetsPart},
    {&Model::lstColR, alphabetsPart},
    {&Model::lstVocab, vocabularyPart},
}};

template <class List> std::optional<Splice<List>> changeOf(const List& before, const List& after) {
    if (before == after)
        return std::nullopt;
    return spliceBetween(before, after);
}

std::size_t bytesOf(const std::string& text) {
    return text.size() + sizeof(std::string);
}
std::size_t bytesOf(const StringList& list) {
    std::size_t bytes = 0;
    for (const auto& item : list)
        bytes += bytesOf(item);
    return bytes;
}
std::size_t bytesOf(const RuleStore& rules) {
    std::size_t bytes = 0;
    for (const auto& rule : rules)
        bytes += bytesOf(rule) + sizeof(StringList);
    return bytes;
}
template <class List> std::size_t bytesOf(const std::optional<Splice<List>>& splice) {
    return splice ? bytesOf(splice->removed) + bytesOf(splice->inserted) : 0;
}

template <class Apply> void replay(Model& model, const ModelDelta& delta, Apply apply) {
    if (delta.notes)
        apply(model.notes, *delta.notes);
    if (delta.rules)
        apply(model.lst1Rule, *delta.rules);
    for (std::size_t i = 0; i < plainLists.size(); ++i)
        if (delta.lists[i])
            apply(model.*plainLists[i].list, *delta.lists[i]);
}

struct Undo {
    template <class List> void operator()(List& list, const Splice<List>& splice) const {
        undoSplice(list, splice);
    }
};
struct Redo {
    template <class List> void operator()(List& list, const Splice<List>& splice) const {
        redoSplice(list, splice);
    }
};

} // namespace

ModelSnapshot takeSnapshot(const Model& model, ModelParts parts) {
    ModelSnapshot snapshot{parts, {}};
    if (parts & notesPart)
        snapshot.copy.notes = model.notes;
    if (parts & rulesPart)
        snapshot.copy.lst1Rule = model.lst1Rule;
    for (const ListOfPart& entry : plainLists)
        if (parts & entry.part)
            snapshot.copy.*entry.list = model.*entry.list;
    return snapshot;
}

ModelDelta deltaSince(const ModelSnapshot& before, const Model& after) {
    ModelDelta delta;
    if (before.parts & notesPart)
        delta.notes = changeOf(before.copy.notes, after.notes);
    if (before.parts & rulesPart)
        delta.rules = changeOf(before.copy.lst1Rule, after.lst1Rule);
    for (std::size_t i = 0; i < plainLists.size(); ++i)
        if (before.parts & plainLists[i].part)
            delta.lists[i] = changeOf(before.copy.*plainLists[i].list, after.*plainLists[i].list);
    return delta;
}

bool ModelDelta::empty() const {
    return !notes && !rules &&
           std::none_of(lists.begin(), lists.end(), [](const auto& list) { return list; });
}

std::size_t ModelDelta::bytes() const {
    std::size_t total = sizeof(ModelDelta) + bytesOf(notes) + bytesOf(rules);
    for (const auto& list : lists)
        total += bytesOf(list);
    return total;
}

void ModelHistory::clear() {
    steps_.clear();
    position_ = 0;
    saved_ = 0;
    bytes_ = 0;
}

bool ModelHistory::record(const std::string& caption, const ModelSnapshot& before,
                          const Model& after, bool affectsFile, bool merging) {
    ModelDelta delta = deltaSince(before, after);
    if (delta.empty())
        return false;
    while (steps_.size() > position_) { // a new change ends what could be redone
        bytes_ -= steps_.back().delta.bytes();
        steps_.pop_back();
    }
    if (saved_ && *saved_ > position_)
        saved_.reset();
    if (merging && !steps_.empty() && mergeInto(steps_.back(), caption, before, after))
        return true;
    bytes_ += delta.bytes();
    steps_.push_back({caption, std::move(delta), affectsFile, merging});
    ++position_;
    trim();
    return true;
}

// The last step and this change become one: the step's splice is recomputed from the state
// before the step to the state after the change. Only the parts the change touched can
// differ from the step's, and a merging step touches only those parts.
bool ModelHistory::mergeInto(Step& last, const std::string& caption, const ModelSnapshot& before,
                             const Model& after) {
    if (!last.merging || last.caption != caption || (saved_ && *saved_ == position_))
        return false;
    Model start = before.copy;
    replay(start, last.delta, Undo{});
    ModelSnapshot first{before.parts, std::move(start)};
    bytes_ -= last.delta.bytes();
    last.delta = deltaSince(first, after);
    bytes_ += last.delta.bytes();
    return true;
}

void ModelHistory::trim() {
    while (steps_.size() > 1 && (steps_.size() > maxSteps || bytes_ > maxBytes)) {
        bytes_ -= steps_.front().delta.bytes();
        steps_.pop_front();
        --position_;
        if (saved_)
            saved_ = *saved_ == 0 ? std::nullopt : std::optional<std::size_t>(*saved_ - 1);
    }
}

void ModelHistory::undo(Model& model) {
    if (!canUndo())
        return;
    --position_;
    replay(model, steps_[position_].delta, Undo{});
}

void ModelHistory::redo(Model& model) {
    if (!canRedo())
        return;
    replay(model, steps_[position_].delta, Redo{});
    ++position_;
}

void ModelHistory::markSaved() {
    saved_ = position_;
}

bool ModelHistory::atSavedState() const {
    if (!saved_)
        return false;
    const auto [from, to] = std::minmax(*saved_, position_);
    return std::none_of(steps_.begin() + static_cast<std::ptrdiff_t>(from),
                        steps_.begin() + static_cast<std::ptrdiff_t>(to),
                        [](const Step& step) { return step.affectsFile; });
}

} // namespace tarnel
