#include "host/keyed_list.h"

namespace host {

bool KeyCollides(const Variant& candidate, const Variant& existing) {
  if (candidate.IsNull() || candidate.IsMissing() || candidate.IsNothing()) return false;
  if (existing.IsNull() || existing.IsObject()) return false;
  String wanted = Trim(candidate.ToString());
  if (wanted.empty()) return false;
  return TextEqualsIgnoringCase(Trim(existing.ToString()), wanted);
}

bool ReplaceKey(bool keyExists, Variant& stored, const Variant& value) {
  if (keyExists) throw Error::Bare(err::kInvalidValue, u"Key already exists.");
  if (stored.IsNull() || value.IsNull() || VariantEquals(stored, value)) return false;
  stored = value;
  return true;
}

void ThrowIndexOutOfBounds() { throw Error::Bare(err::kIndexOutOfBounds, u"Index out of bounds."); }

}  // namespace host
