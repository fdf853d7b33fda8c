#pragma once
// What the records need of the game document, by role. The document
// implements every role; the records ask the registry for the role they
// need (Services::Map(), Services::Companies(), ...); tests register
// recording fakes.

#include "model/services/CompanyService.h"
#include "model/services/ComputerPlayerService.h"
#include "model/services/GameStateService.h"
#include "model/services/MapService.h"
#include "model/services/NetPlayService.h"
#include "model/services/OrderService.h"
#include "model/services/PlayerReportService.h"

class IDocService : public IGameStateService,
                    public IMapService,
                    public ICompanyService,
                    public IComputerPlayerService,
                    public IPlayerReportService,
                    public INetPlayService,
                    public IOrderService {
public:
    ~IDocService() override = default;
};
