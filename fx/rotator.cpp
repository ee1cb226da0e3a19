// fx/rotator.cpp
#include "fx/rotator.hpp"

#include "data/error.hpp"

namespace fx {
namespace {

TMatrix4 StepMatrix(const TRotationStep& step) {
  TMatrix4 m;
  switch (step.Axis) {
    case 'X':
    case 'x':
      m = RotationX(step.Angle);
      break;
    case 'Y':
    case 'y':
      m = RotationY(step.Angle);
      break;
    default:
      m = RotationZ(step.Angle);
      break;
  }
  m.m[3][0] = step.Translation.x;
  m.m[3][1] = step.Translation.y;
  m.m[3][2] = step.Translation.z;
  return m;
}

}  // namespace

bool TOrlRotator::Assign(const TOrlObject* source) {
  const auto* other = dynamic_cast<const TOrlRotator*>(source);
  if (!other || !TOrlObject::Assign(source)) return false;
  steps = other->steps;
  prefix = other->prefix;
  matrix = other->matrix;
  firstParamStep = other->firstParamStep;
  return true;
}

void TOrlRotator::Clear() {
  steps.clear();
  prefix.clear();
  matrix = Identity4();
  firstParamStep = -1;
}

void TOrlRotator::AddRotation(char axis, int param, float tx, float ty, float tz, float angleRad) {
  if (std::string_view("XYZxyz").find(axis) == std::string_view::npos)
    throw data::Error(std::string("Invalid base axis value \"") + axis + "\"");
  if (param < 0 || param > 3) throw data::Error("Invalid rotation pattern parameter index");
  TRotationStep step;
  step.Axis = axis;
  step.Angle = angleRad;
  step.Param = static_cast<uint8_t>(param);
  step.Translation = {tx, ty, tz};
  step.Matrix = StepMatrix(step);
  steps.push_back(step);
  const int index = static_cast<int>(steps.size()) - 1;
  if (param != 0) {
    if (firstParamStep < 0) {
      firstParamStep = index;
    } else {
      int last = firstParamStep;
      while (steps[static_cast<size_t>(last)].NextParamStep >= 0)
        last = steps[static_cast<size_t>(last)].NextParamStep;
      steps[static_cast<size_t>(last)].NextParamStep = index;
    }
  }
  Recombine(steps.size() - 1);
}

void TOrlRotator::SetRotationParams(float angle1, float angle2, float angle3) {
  const float angles[] = {angle1, angle2, angle3};
  if (firstParamStep < 0) return;
  for (int i = firstParamStep; i >= 0; i = steps[static_cast<size_t>(i)].NextParamStep) {
    TRotationStep& step = steps[static_cast<size_t>(i)];
    step.Angle = angles[step.Param - 1];
    step.Matrix = StepMatrix(step);
  }
  Recombine(static_cast<size_t>(firstParamStep));
}

void TOrlRotator::Recombine(size_t from) {
  prefix.resize(steps.size());
  for (size_t i = from; i < steps.size(); ++i)
    prefix[i] = i == 0 ? steps[0].Matrix : Multiply(prefix[i - 1], steps[i].Matrix);
  matrix = steps.empty() ? Identity4() : prefix.back();
}

}  // namespace fx
