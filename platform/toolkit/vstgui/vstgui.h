#pragma once

// The toolkit in one include.
#include "cbitmap.h"
#include "cbuttonstate.h"
#include "ccolor.h"
#include "ccontrol.h"
#include "cdrawcontext.h"
#include "cfont.h"
#include "cframe.h"
#include "cgeometry.h"
#include "coptionmenu.h"
#include "ctextedit.h"
#include "ctextlabel.h"
#include "cview.h"
#include "cviewcontainer.h"
#include "cvstguitimer.h"
#include "offscreenframe.h"
#include "platformframe.h"
