'use strict';
// The console page: every text from the program goes in through textContent, never as markup.
(function () {
  const byId = (id) => document.getElementById(id);
  let csrf = null;
  let timers = [];
  let planDate = '';

  function element(tag, text, className) {
    const node = document.createElement(tag);
    if (text !== undefined) node.textContent = text;
    if (className) node.className = className;
    return node;
  }

  function clear(node) {
    while (node.firstChild) node.removeChild(node.firstChild);
  }

  function tell(text) {
    const message = byId('message');
    message.textContent = text || '';
    message.hidden = !text;
  }

  async function api(method, path, body) {
    const options = { method: method, credentials: 'same-origin', headers: {} };
    if (method === 'POST') {
      options.headers['Content-Type'] = 'application/json';
      if (csrf) options.headers['X-CSRF-Token'] = csrf;
      options.body = JSON.stringify(body || {});
    }
    let response;
    try {
      response = await fetch(path, options);
    } catch (e) {
      return { status: 0, data: { error: '连接不上广播电脑' } };
    }
    let data = null;
    try {
      data = await response.json();
    } catch (e) {
      data = null;
    }
    if (response.status === 401 && path !== '/api/login') showLogin('');
    return { status: response.status, data: data || {} };
  }

  function stopTimers() {
    timers.forEach(clearInterval);
    timers = [];
  }

  function showLogin(error) {
    stopTimers();
    csrf = null;
    byId('console-view').hidden = true;
    byId('logout').hidden = true;
    byId('login-view').hidden = false;
    byId('login-error').textContent = error || '';
    byId('password').focus();
  }

  function showConsole() {
    byId('login-view').hidden = true;
    byId('console-view').hidden = false;
    byId('logout').hidden = false;
    tell('');
    refreshStatus();
    refreshLists();
    refreshPlan();
    refreshLog();
    stopTimers();
    timers.push(setInterval(refreshStatus, 1000));
    timers.push(setInterval(refreshLog, 5000));
    timers.push(setInterval(refreshLists, 30000));
    timers.push(setInterval(refreshPlan, 60000));
  }

  async function refreshStatus() {
    const answer = await api('GET', '/api/status');
    if (answer.status !== 200) return;
    const s = answer.data;
    byId('clock').textContent = s.now;
    const playing = byId('playing');
    clear(playing);
    if (s.playing.length === 0) playing.appendChild(element('li', '没有正在播放的节目', 'note'));
    s.playing.forEach((row) => {
      const item = element('li');
      item.appendChild(element('strong', row.name));
      const detail = [row.progress, row.song].filter((t) => t).join('  ');
      if (detail) item.appendChild(element('span', '  ' + detail));
      const stop = element('button', '停止');
      stop.type = 'button';
      stop.className = 'quiet-stop';
      stop.addEventListener('click', () => act('/api/stop', { name: row.name }));
      item.appendChild(document.createTextNode(' '));
      item.appendChild(stop);
      playing.appendChild(item);
    });
    byId('next').textContent = s.next ? '下一个: ' + s.next.name + '  ' + s.next.at : '一天之内没有待播的节目';
    byId('device').textContent = [s.device, s.volume ? '音量 ' + s.volume : ''].filter((t) => t).join('  ');
    const instant = s.instant;
    byId('instant-state').textContent = instant.active
      ? '正在播: ' + instant.item + (instant.status ? '  ' + instant.status : '')
      : '未在播放';
    byId('instant-stop').disabled = !instant.active;
  }

  async function refreshLists() {
    const programs = await api('GET', '/api/programs');
    if (programs.status === 200) {
      const list = byId('programs');
      clear(list);
      programs.data.programs.forEach((program) => {
        const item = element('li', undefined, program.enabled ? '' : 'off');
        const button = element('button', '▶ ' + program.name);
        button.type = 'button';
        button.addEventListener('click', () => {
          if (confirm('现在播放“' + program.name + '”？')) act('/api/play', { name: program.name });
        });
        item.appendChild(button);
        list.appendChild(item);
      });
    }
    const instant = await api('GET', '/api/instant');
    if (instant.status === 200) {
      const list = byId('instant-items');
      clear(list);
      instant.data.items.forEach((name, index) => {
        const item = element('li', undefined, index === instant.data.current ? 'current' : '');
        const button = element('button', (index + 1) + '. ' + name);
        button.type = 'button';
        button.addEventListener('click', () => {
          if (confirm('从“' + name + '”开始立即播？')) act('/api/instant/start', { index: index });
        });
        item.appendChild(button);
        list.appendChild(item);
      });
    }
  }

  async function refreshPlan() {
    const query = planDate ? '?date=' + encodeURIComponent(planDate) : '';
    const answer = await api('GET', '/api/plan' + query);
    if (answer.status !== 200) return;
    const plan = answer.data;
    if (!planDate) byId('plan-date').value = plan.date;
    const notes = [plan.date];
    if (plan.shiftDay) notes.push('调休: 按 ' + plan.shiftDay + ' 的安排播放');
    if (plan.holiday) notes.push('节假日: ' + plan.holiday);
    byId('plan-day').textContent = notes.join('  ');
    const body = byId('plan-starts').tBodies[0];
    clear(body);
    if (plan.starts.length === 0) {
      const row = element('tr');
      const cell = element('td', '这天没有要播的节目', 'note');
      cell.colSpan = 3;
      row.appendChild(cell);
      body.appendChild(row);
    }
    plan.starts.forEach((start) => {
      const row = element('tr');
      row.appendChild(element('td', start.at));
      const name = element('td', start.name);
      name.title = start.path;
      row.appendChild(name);
      row.appendChild(element('td', start.onTime ? '准时播' : '可延迟'));
      body.appendChild(row);
    });
    const silent = byId('plan-silent');
    clear(silent);
    plan.silent.forEach((entry) => silent.appendChild(element('li', entry.name + ': ' + entry.reason)));
  }

  async function refreshLog() {
    const answer = await api('GET', '/api/log?lines=100');
    if (answer.status !== 200) return;
    const log = byId('log');
    const atEnd = log.scrollTop + log.clientHeight >= log.scrollHeight - 4;
    log.textContent = answer.data.lines.join('\n');
    if (atEnd) log.scrollTop = log.scrollHeight;
  }

  async function act(path, body) {
    const answer = await api('POST', path, body);
    if (answer.status === 200) {
      tell('');
    } else if (answer.status === 403) {
      // The page may hold the token of an older session.
      await loadSession();
      tell(answer.data.error || '请求被拒绝，请重试');
    } else if (answer.status !== 401) {
      tell(answer.data.error || '请求失败 (' + answer.status + ')');
    }
    refreshStatus();
    refreshLog();
    if (path === '/api/silence-today') refreshPlan();
  }

  async function loadSession() {
    const answer = await api('GET', '/api/session');
    if (answer.status !== 200) return false;
    csrf = answer.data.csrf;
    return true;
  }

  byId('login-form').addEventListener('submit', async (event) => {
    event.preventDefault();
    const password = byId('password');
    const answer = await api('POST', '/api/login', { password: password.value });
    password.value = '';
    if (answer.status === 200) {
      csrf = answer.data.csrf;
      showConsole();
    } else {
      byId('login-error').textContent = answer.data.error || '登录失败 (' + answer.status + ')';
    }
  });

  byId('logout').addEventListener('click', async () => {
    await api('POST', '/api/logout');
    showLogin('');
  });

  byId('stop-all').addEventListener('click', () => act('/api/stop', {}));
  byId('instant-stop').addEventListener('click', () => act('/api/instant/stop', {}));
  byId('silence-today').addEventListener('click', () => {
    if (confirm('从现在起到今天结束，定时播放都不再播？')) act('/api/silence-today', {});
  });
  byId('plan-date').addEventListener('change', (event) => {
    planDate = event.target.value;
    refreshPlan();
  });

  (async () => {
    if (await loadSession()) showConsole();
    else showLogin('');
  })();
})();
