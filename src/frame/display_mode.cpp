#include "frame/procedures.h"
#include "runtime/system.h"
#include "runtime/text.h"

void aufloesung_setzen(float breite, float hoehe) { rt::backend().set_display_size(to_int32(breite), to_int32(hoehe)); }
