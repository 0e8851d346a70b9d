-- A real client: Neovim runs headless with the configuration that users install
-- (editors/neovim/vxcheck.lua), opens shipped examples and checks the answers to completion, hover
-- and documentSymbol at chosen positions, and that each folder has one client, started again
-- once stopped. Exits 0 when all hold. VXCHECK_SERVER is the server command (words separated by
-- blanks), VXCHECK_DATA_DIR the folder with the examples and databases, VXCHECK_WORK_DIR a second
-- folder (the build's), VXCHECK_NEOVIM_CONFIG the configuration file.
local failures = {}

local function check(condition, message)
  if not condition then
    table.insert(failures, message)
  end
end

local function find_item(result, label)
  local items = result and (result.items or result) or {}
  for _, item in ipairs(items) do
    if item.label == label then
      return item
    end
  end
  return nil
end

local function hover_text(result)
  return result and result.contents and result.contents.value or ""
end

local function run()
  local data = assert(os.getenv("VXCHECK_DATA_DIR"), "VXCHECK_DATA_DIR is not set")
  vim.g.vxcheck_cmd = vim.split(assert(os.getenv("VXCHECK_SERVER"), "VXCHECK_SERVER is not set"), " ")
  vim.g.vxcheck_database = data .. "/databases/phreeqc.dat"
  dofile(assert(os.getenv("VXCHECK_NEOVIM_CONFIG"), "VXCHECK_NEOVIM_CONFIG is not set"))

  -- The configuration attaches a buffer when it gets its filetype, to the client of its folder.
  local get_clients = vim.lsp.get_clients or vim.lsp.get_active_clients
  local client
  local function open(path)
    vim.cmd("edit " .. vim.fn.fnameescape(path))
    local buffer = vim.api.nvim_get_current_buf()
    check(vim.bo[buffer].filetype == "phreeqc", path .. " has the filetype phreeqc")
    -- Neovim 0.7 lists a client only once it is initialized.
    assert(vim.wait(10000, function()
      for _, each in ipairs(get_clients()) do
        if each.initialized and vim.lsp.buf_is_attached(buffer, each.id) then
          client = each
          return true
        end
      end
      return false
    end, 20), "no client attached and initialized for " .. path)
    check(client.name == "vxcheck", "the client is vxcheck's: " .. client.name)
    return buffer
  end

  local function request(buffer, method, line, character)
    local params = { textDocument = { uri = vim.uri_from_bufnr(buffer) } }
    if line then
      params.position = { line = line, character = character }
    end
    local answer, err = client.request_sync(method, params, 10000, buffer)
    check(answer and not answer.err, method .. " failed: " .. vim.inspect(err or (answer and answer.err)))
    return answer and answer.result
  end

  local ex2 = open(data .. "/examples/ex2.pqi")
  local keywords = request(ex2, "textDocument/completion", 0, 0) -- "|TITLE"
  local solution = find_item(keywords, "SOLUTION")
  check(solution and solution.kind == 14 and solution.detail == "Solution Definition",
    "keyword SOLUTION with its group: " .. vim.inspect(solution))
  local phases = request(ex2, "textDocument/completion", 6, 11) -- "Gyp|sum" in EQUILIBRIUM_PHASES
  local gypsum = find_item(phases, "Gypsum")
  check(gypsum and gypsum.detail == "CaSO4:2H2O", "phase Gypsum with its formula: " .. vim.inspect(gypsum))
  check(find_item(phases, "Calcite") == nil, "only the phases that begin with what is typed")
  local line_start = request(ex2, "textDocument/completion", 6, 8) -- "|Gypsum"
  check(find_item(line_start, "Calcite") ~= nil, "phase Calcite offered")
  local options = request(ex2, "textDocument/completion", 11, 9) -- "-|file" in SELECTED_OUTPUT
  check(find_item(options, "-file") ~= nil and find_item(options, "SOLUTION") == nil,
    "options of SELECTED_OUTPUT only")
  local quoted = request(ex2, "textDocument/completion", 23, 17) -- SI("|Gypsum") in USER_GRAPH
  check(find_item(quoted, "Anhydrite") ~= nil and find_item(quoted, "SI") == nil,
    "phases inside SI(\"...\")")
  local keyword = hover_text(request(ex2, "textDocument/hover", 5, 3))
  check(keyword:find("keyword of the block EQUILIBRIUM_PHASES", 1, true)
    and keyword:find("Group: Geochemical Model", 1, true), "hover on a keyword: " .. keyword)
  local phase = hover_text(request(ex2, "textDocument/hover", 23, 19))
  check(phase:find("**Gypsum**: phase (mineral)", 1, true) and phase:find("Formula: CaSO4:2H2O", 1, true)
    and phase:find("phreeqc.dat", 1, true), "hover on a phase in BASIC: " .. phase)
  local symbols = request(ex2, "textDocument/documentSymbol")
  local names = {}
  for _, child in ipairs(symbols and symbols[1] and symbols[1].children or {}) do
    table.insert(names, child.name)
  end
  check(symbols and #symbols == 1 and symbols[1].name == "Simulation 1", "one simulation")
  check(vim.deep_equal(names, {
    "TITLE Example 2.--Temperature dependence of solubility",
    "SOLUTION 1 Pure water", "EQUILIBRIUM_PHASES 1", "REACTION_TEMPERATURE 1",
    "SELECTED_OUTPUT", "USER_GRAPH 1 Example 2",
  }), "outline of ex2: " .. vim.inspect(names))

  local first = client.id
  local ex11 = open(data .. "/examples/ex11.pqi")
  check(client.id == first and #get_clients() == 1, "one client for the examples' folder")
  local exchangers = request(ex11, "textDocument/completion", 19, 8) -- "|X 0.0011" in EXCHANGE
  check(find_item(exchangers, "X") ~= nil, "exchange master species X offered")
  local totals = request(ex11, "textDocument/completion", 34, 25) -- "-totals |Na"
  check(find_item(totals, "Ca") ~= nil and find_item(totals, "Ca+2") == nil,
    "master species after -totals")
  local element = hover_text(request(ex11, "textDocument/hover", 6, 9))
  check(element:find("**Ca**: element", 1, true) and element:find("Master species: Ca+2", 1, true),
    "hover on Ca in SOLUTION: " .. element)
  local outline = request(ex11, "textDocument/documentSymbol")
  check(outline and #outline == 5 and outline[1].children[3].name == "SOLUTION 1-40 Initial solution for column",
    "outline of ex11: " .. vim.inspect(outline and outline[1]))

  -- Another folder has a client of its own; a folder whose client stopped gets a new one.
  open(assert(os.getenv("VXCHECK_WORK_DIR"), "VXCHECK_WORK_DIR is not set") .. "/new.pqi")
  check(client.id ~= first and #get_clients() == 2, "a second client for a second folder")
  vim.lsp.stop_client(first)
  check(vim.wait(10000, function()
    return vim.lsp.get_client_by_id(first) == nil
  end, 20), "the examples' client stops")
  open(data .. "/examples/ex3.pqi")
  check(client.id ~= first and #get_clients() == 2, "a new client for the examples' folder")
  vim.lsp.stop_client(get_clients())
end

local ok, err = pcall(run)
if not ok then
  table.insert(failures, "error: " .. tostring(err))
end
for _, failure in ipairs(failures) do
  io.stderr:write("FAILED: " .. failure .. "\n")
end
if #failures == 0 then
  io.stdout:write("all checks passed\n")
end
vim.cmd(#failures == 0 and "qall!" or "cquit 1")
