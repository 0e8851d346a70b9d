// The 27 identifier definitions, one per keyword family, numbered as the checker holds them.
// Each has a constructor, a destructor and its own FillIdentifiers, and nothing else.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/identifiers.h>

// 1
class VXCHECK_API Cvx_KwSolutionMasterSpecies : public Cvx_KwIdentifiers {
  public:
    Cvx_KwSolutionMasterSpecies();
    Cvx_KwSolutionMasterSpecies(const Cvx_KwSolutionMasterSpecies&) = default;
    Cvx_KwSolutionMasterSpecies& operator=(const Cvx_KwSolutionMasterSpecies&) = default;
    ~Cvx_KwSolutionMasterSpecies();
    void FillIdentifiers() override;
};

// 2
class VXCHECK_API Cvx_KwSolutionSpecies : public Cvx_KwIdentifiers {
  public:
    Cvx_KwSolutionSpecies();
    Cvx_KwSolutionSpecies(const Cvx_KwSolutionSpecies&) = default;
    Cvx_KwSolutionSpecies& operator=(const Cvx_KwSolutionSpecies&) = default;
    ~Cvx_KwSolutionSpecies();
    void FillIdentifiers() override;
};

// 3
class VXCHECK_API Cvx_KwSolution : public Cvx_KwIdentifiers {
  public:
    Cvx_KwSolution();
    Cvx_KwSolution(const Cvx_KwSolution&) = default;
    Cvx_KwSolution& operator=(const Cvx_KwSolution&) = default;
    ~Cvx_KwSolution();
    void FillIdentifiers() override;
};

// 4
class VXCHECK_API Cvx_KwPhases : public Cvx_KwIdentifiers {
  public:
    Cvx_KwPhases();
    Cvx_KwPhases(const Cvx_KwPhases&) = default;
    Cvx_KwPhases& operator=(const Cvx_KwPhases&) = default;
    ~Cvx_KwPhases();
    void FillIdentifiers() override;
};

// 5
class VXCHECK_API Cvx_KwSolutionSpread : public Cvx_KwIdentifiers {
  public:
    Cvx_KwSolutionSpread();
    Cvx_KwSolutionSpread(const Cvx_KwSolutionSpread&) = default;
    Cvx_KwSolutionSpread& operator=(const Cvx_KwSolutionSpread&) = default;
    ~Cvx_KwSolutionSpread();
    void FillIdentifiers() override;
};

// 6
class VXCHECK_API Cvx_KwEquilibriumPhases : public Cvx_KwIdentifiers {
  public:
    Cvx_KwEquilibriumPhases();
    Cvx_KwEquilibriumPhases(const Cvx_KwEquilibriumPhases&) = default;
    Cvx_KwEquilibriumPhases& operator=(const Cvx_KwEquilibriumPhases&) = default;
    ~Cvx_KwEquilibriumPhases();
    void FillIdentifiers() override;
};

// 7
class VXCHECK_API Cvx_KwExchange : public Cvx_KwIdentifiers {
  public:
    Cvx_KwExchange();
    Cvx_KwExchange(const Cvx_KwExchange&) = default;
    Cvx_KwExchange& operator=(const Cvx_KwExchange&) = default;
    ~Cvx_KwExchange();
    void FillIdentifiers() override;
};

// 8
class VXCHECK_API Cvx_KwGasPhase : public Cvx_KwIdentifiers {
  public:
    Cvx_KwGasPhase();
    Cvx_KwGasPhase(const Cvx_KwGasPhase&) = default;
    Cvx_KwGasPhase& operator=(const Cvx_KwGasPhase&) = default;
    ~Cvx_KwGasPhase();
    void FillIdentifiers() override;
};

// 9
class VXCHECK_API Cvx_KwKinetics : public Cvx_KwIdentifiers {
  public:
    Cvx_KwKinetics();
    Cvx_KwKinetics(const Cvx_KwKinetics&) = default;
    Cvx_KwKinetics& operator=(const Cvx_KwKinetics&) = default;
    ~Cvx_KwKinetics();
    void FillIdentifiers() override;
};

// 10
class VXCHECK_API Cvx_KwSolidSolutions : public Cvx_KwIdentifiers {
  public:
    Cvx_KwSolidSolutions();
    Cvx_KwSolidSolutions(const Cvx_KwSolidSolutions&) = default;
    Cvx_KwSolidSolutions& operator=(const Cvx_KwSolidSolutions&) = default;
    ~Cvx_KwSolidSolutions();
    void FillIdentifiers() override;
};

// 11
class VXCHECK_API Cvx_KwSurface : public Cvx_KwIdentifiers {
  public:
    Cvx_KwSurface();
    Cvx_KwSurface(const Cvx_KwSurface&) = default;
    Cvx_KwSurface& operator=(const Cvx_KwSurface&) = default;
    ~Cvx_KwSurface();
    void FillIdentifiers() override;
};

// 12
class VXCHECK_API Cvx_KwPrint : public Cvx_KwIdentifiers {
  public:
    Cvx_KwPrint();
    Cvx_KwPrint(const Cvx_KwPrint&) = default;
    Cvx_KwPrint& operator=(const Cvx_KwPrint&) = default;
    ~Cvx_KwPrint();
    void FillIdentifiers() override;
};

// 13
class VXCHECK_API Cvx_KwSelectedOutput : public Cvx_KwIdentifiers {
  public:
    Cvx_KwSelectedOutput();
    Cvx_KwSelectedOutput(const Cvx_KwSelectedOutput&) = default;
    Cvx_KwSelectedOutput& operator=(const Cvx_KwSelectedOutput&) = default;
    ~Cvx_KwSelectedOutput();
    void FillIdentifiers() override;
};

// 14
class VXCHECK_API Cvx_KwUserPrint : public Cvx_KwIdentifiers {
  public:
    Cvx_KwUserPrint();
    Cvx_KwUserPrint(const Cvx_KwUserPrint&) = default;
    Cvx_KwUserPrint& operator=(const Cvx_KwUserPrint&) = default;
    ~Cvx_KwUserPrint();
    void FillIdentifiers() override;
};

// 15
class VXCHECK_API Cvx_KwUserPunch : public Cvx_KwIdentifiers {
  public:
    Cvx_KwUserPunch();
    Cvx_KwUserPunch(const Cvx_KwUserPunch&) = default;
    Cvx_KwUserPunch& operator=(const Cvx_KwUserPunch&) = default;
    ~Cvx_KwUserPunch();
    void FillIdentifiers() override;
};

// 16
class VXCHECK_API Cvx_KwExchangeSpecies : public Cvx_KwIdentifiers {
  public:
    Cvx_KwExchangeSpecies();
    Cvx_KwExchangeSpecies(const Cvx_KwExchangeSpecies&) = default;
    Cvx_KwExchangeSpecies& operator=(const Cvx_KwExchangeSpecies&) = default;
    ~Cvx_KwExchangeSpecies();
    void FillIdentifiers() override;
};

// 17
class VXCHECK_API Cvx_KwPitzer : public Cvx_KwIdentifiers {
  public:
    Cvx_KwPitzer();
    Cvx_KwPitzer(const Cvx_KwPitzer&) = default;
    Cvx_KwPitzer& operator=(const Cvx_KwPitzer&) = default;
    ~Cvx_KwPitzer();
    void FillIdentifiers() override;
};

// 18
class VXCHECK_API Cvx_KwRates : public Cvx_KwIdentifiers {
  public:
    Cvx_KwRates();
    Cvx_KwRates(const Cvx_KwRates&) = default;
    Cvx_KwRates& operator=(const Cvx_KwRates&) = default;
    ~Cvx_KwRates();
    void FillIdentifiers() override;
};

// 19
class VXCHECK_API Cvx_KwSurfaceSpecies : public Cvx_KwIdentifiers {
  public:
    Cvx_KwSurfaceSpecies();
    Cvx_KwSurfaceSpecies(const Cvx_KwSurfaceSpecies&) = default;
    Cvx_KwSurfaceSpecies& operator=(const Cvx_KwSurfaceSpecies&) = default;
    ~Cvx_KwSurfaceSpecies();
    void FillIdentifiers() override;
};

// 20
class VXCHECK_API Cvx_KwCalculateValues : public Cvx_KwIdentifiers {
  public:
    Cvx_KwCalculateValues();
    Cvx_KwCalculateValues(const Cvx_KwCalculateValues&) = default;
    Cvx_KwCalculateValues& operator=(const Cvx_KwCalculateValues&) = default;
    ~Cvx_KwCalculateValues();
    void FillIdentifiers() override;
};

// 21
class VXCHECK_API Cvx_KwIsotopes : public Cvx_KwIdentifiers {
  public:
    Cvx_KwIsotopes();
    Cvx_KwIsotopes(const Cvx_KwIsotopes&) = default;
    Cvx_KwIsotopes& operator=(const Cvx_KwIsotopes&) = default;
    ~Cvx_KwIsotopes();
    void FillIdentifiers() override;
};

// 22
class VXCHECK_API Cvx_KwKnobs : public Cvx_KwIdentifiers {
  public:
    Cvx_KwKnobs();
    Cvx_KwKnobs(const Cvx_KwKnobs&) = default;
    Cvx_KwKnobs& operator=(const Cvx_KwKnobs&) = default;
    ~Cvx_KwKnobs();
    void FillIdentifiers() override;
};

// 23
class VXCHECK_API Cvx_KwLlnlAqueousModelParameters : public Cvx_KwIdentifiers {
  public:
    Cvx_KwLlnlAqueousModelParameters();
    Cvx_KwLlnlAqueousModelParameters(const Cvx_KwLlnlAqueousModelParameters&) = default;
    Cvx_KwLlnlAqueousModelParameters& operator=(const Cvx_KwLlnlAqueousModelParameters&) = default;
    ~Cvx_KwLlnlAqueousModelParameters();
    void FillIdentifiers() override;
};

// 24
class VXCHECK_API Cvx_KwDatablock : public Cvx_KwIdentifiers {
  public:
    Cvx_KwDatablock();
    Cvx_KwDatablock(const Cvx_KwDatablock&) = default;
    Cvx_KwDatablock& operator=(const Cvx_KwDatablock&) = default;
    ~Cvx_KwDatablock();
    void FillIdentifiers() override;
};

// 25
class VXCHECK_API Cvx_KwReactiveTransport : public Cvx_KwIdentifiers {
  public:
    Cvx_KwReactiveTransport();
    Cvx_KwReactiveTransport(const Cvx_KwReactiveTransport&) = default;
    Cvx_KwReactiveTransport& operator=(const Cvx_KwReactiveTransport&) = default;
    ~Cvx_KwReactiveTransport();
    void FillIdentifiers() override;
};

// 26
class VXCHECK_API Cvx_KwExchangeMasterSpecies : public Cvx_KwIdentifiers {
  public:
    Cvx_KwExchangeMasterSpecies();
    Cvx_KwExchangeMasterSpecies(const Cvx_KwExchangeMasterSpecies&) = default;
    Cvx_KwExchangeMasterSpecies& operator=(const Cvx_KwExchangeMasterSpecies&) = default;
    ~Cvx_KwExchangeMasterSpecies();
    void FillIdentifiers() override;
};

// 27
class VXCHECK_API Cvx_KwSurfaceMasterSpecies : public Cvx_KwIdentifiers {
  public:
    Cvx_KwSurfaceMasterSpecies();
    Cvx_KwSurfaceMasterSpecies(const Cvx_KwSurfaceMasterSpecies&) = default;
    Cvx_KwSurfaceMasterSpecies& operator=(const Cvx_KwSurfaceMasterSpecies&) = default;
    ~Cvx_KwSurfaceMasterSpecies();
    void FillIdentifiers() override;
};
