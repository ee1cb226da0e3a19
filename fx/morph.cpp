// fx/morph.cpp — morph evaluation, initialisers and copying. Reading morphs from effect files is
// in morph_xml.cpp.
#include "fx/morph.hpp"

#include <cmath>

#include <cassert>

#include "data/error.hpp"
#include "data/rounding.hpp"
#include "data/text_helpers.hpp"
#include "fx/text_utils.hpp"

namespace fx {

TOrlMorph::TOrlMorph(const TMorphContext& morphContext)
    : TOrlObject("TOrlMorph"), context(morphContext) {
  assert(context.Functions && context.Morphs && context.Random);
  Matrix = Identity4();
}

TOrlMorph::~TOrlMorph() = default;

std::unique_ptr<TOrlObject> TOrlMorph::NewInstance() const {
  return std::make_unique<TOrlMorph>(context);
}

std::unique_ptr<TOrlMorph> TOrlMorph::CloneFrom(const TOrlMorph& source,
                                                const TMorphContext& context) {
  auto morph = std::make_unique<TOrlMorph>(context);
  morph->Assign(&source);
  return morph;
}

bool TOrlMorph::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlMorph*>(source);
  if (!other || other == this || !TOrlObject::Assign(source)) return other == this;
  dim = other->dim;
  baseTime = other->baseTime;
  startTime = other->startTime;
  TimeShift = other->TimeShift;
  ProjectionCentre = other->ProjectionCentre;
  ProjectionDistance = other->ProjectionDistance;
  Position = other->Position;
  Translated = other->Translated;
  Scale = other->Scale;
  Scaled = other->Scaled;
  Angle = other->Angle;
  Matrix = other->Matrix;
  Rotated = other->Rotated;
  Rotator.Assign(&other->Rotator);
  functions.clear();
  for (const TFuncSlot& slot : other->functions) {
    if (slot.owned)
      AddClonedFunctionByName(slot.func->Name());
    else
      AddFunctionByName(slot.func->Name());
  }
  inits.clear();
  refs.clear();
  refInitCount = 0;
  for (const TPropertyInit& init : other->inits) {
    const std::string_view refName =
        init.SourceKind == kSourceMorph
            ? std::string_view(other->refs[init.MorphIndex].Morph->Name())
            : std::string_view();
    AddInit(init.Target, init.Low, init.ParamIndex, init.FuncIndex, refName, init.High);
  }
  return true;
}

void TOrlMorph::SetDim(int newDim) {
  dim = newDim < 1 ? 1 : (newDim > 3 ? 3 : newDim);
  if (dim != 3) return;
  Rotator.Clear();
  Rotator.AddRotation('X', 1, 0, 0, 0, 0);
  Rotator.AddRotation('Y', 2, 0, 0, 0, 0);
  Rotator.AddRotation('Z', 3, 0, 0, 0, 0);
  Matrix = Rotator.Matrix();
}

void TOrlMorph::SetBaseTime(uint32_t timeMs) {
  baseTime = timeMs;
  if (!inits.empty())
    for (TMorphRef& ref : refs) ref.Morph->SetBaseTime(timeMs);
}

void TOrlMorph::SetStartTime(int32_t timeMs) {
  startTime = timeMs;
  if (!inits.empty())
    for (TMorphRef& ref : refs) ref.Morph->SetStartTime(timeMs);
}

int TOrlMorph::AddFunction(TOrlMorphFunc* shared) {
  if (!shared || shared->Dim() != dim) return -1;
  functions.push_back({shared, nullptr});
  return FunctionCount() - 1;
}

int TOrlMorph::AddFunction(std::unique_ptr<TOrlMorphFunc> owned) {
  if (!owned || owned->Dim() != dim) return -1;
  owned->OwnedByMorph = 1;
  TOrlMorphFunc* func = owned.get();
  functions.push_back({func, std::move(owned)});
  return FunctionCount() - 1;
}

int TOrlMorph::AddFunctionByName(std::string_view funcName) {
  return AddFunction(context.Functions->Find(funcName));
}

int TOrlMorph::AddClonedFunctionByName(std::string_view funcName) {
  const TOrlMorphFunc* original = context.Functions->Find(funcName);
  if (!original || original->Dim() != dim) return -1;
  std::unique_ptr<TOrlObject> copy = original->NewInstance();
  auto* func = dynamic_cast<TOrlMorphFunc*>(copy.get());
  if (!func || !func->Assign(original)) return -1;
  copy.release();
  return AddFunction(std::unique_ptr<TOrlMorphFunc>(func));
}

TOrlMorphFunc* TOrlMorph::Function(int index) const {
  if (index < 0 || index >= FunctionCount()) return nullptr;
  return functions[static_cast<size_t>(index)].func;
}

int TOrlMorph::FunctionIndex(std::string_view funcName) const {
  for (int i = 0; i < FunctionCount(); ++i)
    if (data::SameText(functions[static_cast<size_t>(i)].func->Name(), funcName)) return i;
  return -1;
}

int TOrlMorph::InitIndex(uint32_t target, int funcIndex, int paramIndex) const {
  for (size_t i = 0; i < inits.size(); ++i)
    if (inits[i].Target == target && inits[i].FuncIndex == funcIndex &&
        inits[i].ParamIndex == paramIndex)
      return static_cast<int>(i);
  return -1;
}

int TOrlMorph::AddInit(uint32_t target, const TVector& low, int paramIndex, int funcIndex,
                       std::string_view morphName, const TVector& high) {
  const int existing = InitIndex(target, funcIndex, paramIndex);
  if (existing >= 0) return existing;
  TPropertyInit init;
  init.Target = target;
  init.FuncIndex = funcIndex;
  init.ParamIndex = paramIndex;
  init.Low = low;
  init.High = high;
  init.SourceKind =
      VecLength2(VecSub(high, low, dim), dim) < 1e-12f ? kSourceConstant : kSourceRandom;
  TOrlMorph* source = morphName.empty() ? nullptr : context.Morphs->Find(morphName);
  if (source) {
    if (source == this || source->DependsOn(this))
      throw data::Error("Morph \"" + Name() + "\" cannot take its values from morph \"" +
                        source->Name() + "\", which depends on it");
    int refIndex = -1;
    for (size_t i = 0; i < refs.size(); ++i)
      if (data::SameText(refs[i].Morph->Name(), source->Name())) refIndex = static_cast<int>(i);
    if (refIndex < 0) {
      if (EvaluationCount(kMorphEvaluationLimit) + source->EvaluationCount(kMorphEvaluationLimit) >
          kMorphEvaluationLimit)
        throw data::Error(TooManyEvaluationsMessage(Name()));
      refs.push_back({source, {}});
      refIndex = static_cast<int>(refs.size()) - 1;
    }
    init.SourceKind = kSourceMorph;
    init.MorphIndex = refIndex;
    ++refInitCount;
  }
  inits.push_back(init);
  return static_cast<int>(inits.size()) - 1;
}

void TOrlMorph::SetProperty(int code, const TVector& value, int paramIndex, int funcIndex) {
  if (code >= 0) {
    if (code >= static_cast<int>(inits.size())) return;
    const TPropertyInit& init = inits[static_cast<size_t>(code)];
    ApplyTarget(init.Target, value, init.ParamIndex, init.FuncIndex, false);
    return;
  }
  if (code < kCodeParam) return;
  ApplyTarget(static_cast<uint32_t>(-1 - code), value, paramIndex, funcIndex, false);
}

void TOrlMorph::ApplyTarget(uint32_t target, const TVector& value, int paramIndex, int funcIndex,
                            bool quiet) {
  switch (target) {
    case kTargetPosition:
      Position = value;
      Translated = true;
      break;
    case kTargetRotation:
      if (dim == 3) {
        Rotator.SetRotationParams(value.x, value.y, value.z);
        Matrix = Rotator.Matrix();
      } else {
        Angle = value.x;
      }
      Rotated = true;
      break;
    case kTargetScale:
      Scale = value;
      Scaled = true;
      break;
    case kTargetStartTime:
      SetStartTime(data::RoundHalfEven(value.x * 1000.0));
      break;
    case kTargetParam:
      if (TOrlMorphFunc* func = Function(funcIndex)) {
        try {
          func->SetParam(paramIndex, value);
        } catch (const data::Error&) {
          // A running effect raises nothing: a path point that no longer exists is skipped.
          if (!quiet) throw;
        }
      }
      break;
    default:
      break;
  }
}

bool TOrlMorph::Init() {
  const uint32_t at =
      baseTime + static_cast<uint32_t>(startTime) + static_cast<uint32_t>(TimeShift);
  for (TMorphRef& ref : refs) {
    if (!ref.Morph->Init()) return false;
    ref.Value = ref.Morph->GetValue(at);
  }
  for (const TPropertyInit& init : inits) {
    TVector value = init.Low;
    if (init.SourceKind == kSourceRandom) {
      for (int i = 0; i < dim; ++i)
        value[i] = init.Low[i] + context.Random->NextFloat() * (init.High[i] - init.Low[i]);
    } else if (init.SourceKind == kSourceMorph) {
      value = refs[static_cast<size_t>(init.MorphIndex)].Value;
    }
    ApplyTarget(init.Target, value, init.ParamIndex, init.FuncIndex, true);
  }
  return true;
}

TVector TOrlMorph::GetValue(uint32_t timeMs) {
  if (refInitCount > 0) {
    for (TMorphRef& ref : refs) ref.Value = ref.Morph->GetValue(timeMs);
    for (const TPropertyInit& init : inits)
      if (init.SourceKind == kSourceMorph)
        ApplyTarget(init.Target, refs[static_cast<size_t>(init.MorphIndex)].Value, init.ParamIndex,
                    init.FuncIndex, true);
  }
  const uint32_t local =
      timeMs + static_cast<uint32_t>(startTime) + static_cast<uint32_t>(TimeShift) - baseTime;
  TVector sum;
  for (const TFuncSlot& slot : functions) {
    const TVector v = slot.func->GetValue(local);
    const float weight = slot.func->Weight;
    for (int i = 0; i < dim; ++i) sum[i] += v[i] * weight;
  }
  if (Scaled)
    for (int i = 0; i < dim; ++i) sum[i] *= Scale[i];
  if (Rotated) {
    if (dim == 1)
      sum.x *= std::cos(Angle);
    else if (dim == 2)
      sum = VecRotate2D(sum, Angle, 2);
    else
      sum = TransformPoint(sum, Matrix);
  }
  if (Translated)
    for (int i = 0; i < dim; ++i) sum[i] += Position[i];
  return sum;
}

bool TOrlMorph::DependsOn(const TOrlMorph* other) const {
  std::vector<TOrlMorph*> reachable;
  CollectTree(reachable);
  reachable.pop_back();  // this morph itself
  for (const TOrlMorph* m : reachable)
    if (m == other) return true;
  return false;
}

int TOrlMorph::EvaluationCount(int limit) const {
  int count = 1;
  for (const TMorphRef& ref : refs) {
    if (count > limit) break;
    count += ref.Morph->EvaluationCount(limit - count);
  }
  return count;
}

void TOrlMorph::CollectTree(std::vector<TOrlMorph*>& tree) const {
  std::unordered_set<const TOrlMorph*> seen;
  CollectTree(tree, seen);
}

void TOrlMorph::CollectTree(std::vector<TOrlMorph*>& tree,
                            std::unordered_set<const TOrlMorph*>& seen) const {
  if (!seen.insert(this).second) return;
  for (const TMorphRef& ref : refs) ref.Morph->CollectTree(tree, seen);
  tree.push_back(const_cast<TOrlMorph*>(this));
}

std::string TooManyEvaluationsMessage(std::string_view morphName) {
  return "Morph \"" + std::string(morphName) + "\" takes its values through more than " +
         std::to_string(kMorphEvaluationLimit) + " morph evaluations";
}

}  // namespace fx
