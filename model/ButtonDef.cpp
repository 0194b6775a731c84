#include "model/ButtonDef.h"

#include "schedule/Schedule.h"
#include "utilities/DownloadData.h"

CButtonDef::CButtonDef(CModel& model) : model_(&model) {}

CButtonDef::~CButtonDef() = default;
