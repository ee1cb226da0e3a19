// fx/morph.hpp — the animated value of one particle property: the weighted sum of morph
// functions, scaled, rotated and translated, with initialisers that set the morph's own
// properties from constants, random ranges or other morphs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "fx/morph_func.hpp"
#include "fx/orl_object.hpp"
#include "fx/random.hpp"
#include "fx/rotator.hpp"
#include "fx/vector.hpp"

namespace data {
class TOrlXMLTag;
}

namespace fx {

// Evaluating a morph evaluates every morph it takes values from, recursively, at each value:
// effect files whose reference chains need more evaluations than this are refused, so a value
// stays cheap and the recursion shallow.
constexpr int kMorphEvaluationLimit = 256;

class TOrlMorph;
class TOrlMorphLib;

// Initialiser targets; SetProperty also takes −1 − target for a direct setting, and a
// non-negative code there names an initialiser whose target is used.
enum TPropTarget : uint32_t {
  kTargetPosition = 0,
  kTargetRotation = 1,
  kTargetScale = 2,
  kTargetStartTime = 3,
  kTargetParam = 4,
};
constexpr int kCodePosition = -1, kCodeRotation = -2, kCodeScale = -3, kCodeStartTime = -4,
              kCodeParam = -5;

enum TSourceKind : uint8_t { kSourceConstant = 0, kSourceRandom = 1, kSourceMorph = 2 };

struct TPropertyInit {
  uint32_t Target = kTargetPosition;
  int FuncIndex = -1;   // for kTargetParam
  int ParamIndex = -1;  // for kTargetParam
  uint8_t SourceKind = kSourceConstant;
  TVector Low, High;
  int MorphIndex = -1;  // into the referenced morphs, for kSourceMorph
};

// What a morph works in: the libraries its function and morph names refer to and the generator
// its random ranges draw from. NOTE: all three must outlive the morph.
struct TMorphContext {
  TOrlMorphFuncLib* Functions = nullptr;
  TOrlMorphLib* Morphs = nullptr;
  TRandom* Random = nullptr;
};

struct TMorphRef {
  TOrlMorph* Morph = nullptr;  // a morph of the morph library, not owned
  TVector Value;               // its value at the last evaluation
};

class TOrlMorph : public TOrlObject {
 public:
  explicit TOrlMorph(const TMorphContext& context);
  ~TOrlMorph() override;

  const char* ClassName() const override { return "TOrlMorph"; }
  std::unique_ptr<TOrlObject> NewInstance() const override;
  // Copies settings, rotator and initialisers; functions and referenced morphs are looked up
  // again by name in this morph's own libraries.
  bool Assign(const TOrlObject* source) override;
  // A new morph working in context, assigned from source.
  static std::unique_ptr<TOrlMorph> CloneFrom(const TOrlMorph& source,
                                              const TMorphContext& context);

  int Dim() const { return dim; }
  // Clamped to 1..3; becoming 3 resets the rotator to X[1]; Y[2]; Z[3].
  void SetDim(int newDim);
  uint32_t BaseTime() const { return baseTime; }  // ms; propagated to referenced morphs
  void SetBaseTime(uint32_t timeMs);
  int32_t StartTime() const { return startTime; }  // ms; propagated to referenced morphs
  void SetStartTime(int32_t timeMs);
  int32_t TimeShift = 0;  // ms, set by the owning particle for its first parameter

  const TMorphContext& Context() const { return context; }

  // Adding a function of another Dim adds nothing and gives −1.
  int AddFunction(TOrlMorphFunc* shared);
  int AddFunction(std::unique_ptr<TOrlMorphFunc> owned);
  int AddFunctionByName(std::string_view funcName);        // shared with the function library
  int AddClonedFunctionByName(std::string_view funcName);  // an owned copy
  int FunctionCount() const { return static_cast<int>(functions.size()); }
  TOrlMorphFunc* Function(int index) const;
  int FunctionIndex(std::string_view funcName) const;  // ignoring case; −1

  // Returns the existing initialiser of the same target, function and parameter unchanged, or
  // adds one: constant when low ≈ high, random range otherwise, a morph reference when morphName
  // names a morph of the morph library. Raises data::Error when the reference would make a morph
  // depend on itself.
  int AddInit(uint32_t target, const TVector& low, int paramIndex, int funcIndex,
              std::string_view morphName, const TVector& high);
  int InitIndex(uint32_t target, int funcIndex = -1, int paramIndex = -1) const;  // −1
  const std::vector<TPropertyInit>& Inits() const { return inits; }
  const std::vector<TMorphRef>& ReferencedMorphs() const { return refs; }

  // code: −1 Position, −2 Rotation, −3 Scale, −4 StartTime (value.x seconds), −5 function
  // parameter; 0 and above: the target of that initialiser.
  void SetProperty(int code, const TVector& value, int paramIndex = -1, int funcIndex = -1);

  // Runs the referenced morphs' Init, then every initialiser.
  bool Init() override;
  // The value at global time t (ms); components beyond Dim are zero.
  TVector GetValue(uint32_t timeMs);

  // True when this morph takes values from other, directly or through others.
  bool DependsOn(const TOrlMorph* other) const;
  // Morph evaluations one value of this morph takes, itself included (a morph reached along
  // two reference paths counts twice). Counting stops once it passes limit.
  int EvaluationCount(int limit) const;
  // The morphs this one references, depth first, then itself; each morph once.
  void CollectTree(std::vector<TOrlMorph*>& tree) const;

  // The effect file's <Functions> and <Properties> children of a <Morph> tag.
  void LoadFunctionsTag(const data::TOrlXMLTag& tag);
  void LoadPropertiesTag(const data::TOrlXMLTag& tag);
  // "(x,y,z); X[1]; Y=0.5; …" for Dim 3 morphs; other morphs ignore it.
  void SetRotationPattern(std::string_view pattern);

  TVector Scale{1.0f, 1.0f, 1.0f};
  bool Scaled = false;
  TVector Position;
  bool Translated = false;
  float Angle = 0.0f;  // radians, for Dim 1 and 2
  TMatrix4 Matrix;     // for Dim 3
  bool Rotated = false;
  TOrlRotator Rotator;
  // Kept and copied for perspective views; the game's effects are flat.
  TVector ProjectionCentre{400.0f, 300.0f, 0.0f};
  float ProjectionDistance = 720.0f;

 private:
  struct TFuncSlot {
    TOrlMorphFunc* func = nullptr;
    std::unique_ptr<TOrlMorphFunc> owned;
  };
  // quiet: a function parameter that cannot be set is skipped instead of raising.
  void ApplyTarget(uint32_t target, const TVector& value, int paramIndex, int funcIndex,
                   bool quiet);
  void CollectTree(std::vector<TOrlMorph*>& tree, std::unordered_set<const TOrlMorph*>& seen) const;
  uint32_t PropertyTarget(std::string_view propName, int& funcIndex, int& paramIndex) const;

  int dim = 2;
  uint32_t baseTime = 0;
  int32_t startTime = 0;
  TMorphContext context;
  std::vector<TFuncSlot> functions;
  std::vector<TPropertyInit> inits;
  std::vector<TMorphRef> refs;
  int refInitCount = 0;
};

class TOrlMorphLib : public TOrlTypedCollection<TOrlMorph> {
 public:
  TOrlMorphLib() : TOrlTypedCollection("TOrlMorphLib") {}
  const char* ClassName() const override { return "TOrlMorphLib"; }
  std::unique_ptr<TOrlObject> NewInstance() const override {
    return std::make_unique<TOrlMorphLib>();
  }
};

// The load error for a morph beyond kMorphEvaluationLimit.
std::string TooManyEvaluationsMessage(std::string_view morphName);

}  // namespace fx
