// The page side of the player: plays one game movie in the SWF engine and
// joins it to the program. Runs before anything else of the page, whose
// origin is the movie's; the engine's files come from quillet://motor/.
//
// The program talks to this page through window.quillet; the page talks to the
// program through window.prompt, whose first argument names the message and
// whose default value carries it (prompt() waits for the program's answer, so
// an external call of the movie is answered while the movie waits).
'use strict';

(() => {
    const MARCA = 'quillet:';
    const RASTRO = 'quillet:rastro:';
    const MOTOR = 'quillet://motor/';

    function avisar(tipo, texto) {
        return window.prompt(MARCA + tipo, texto);
    }

    // --- External calls -----------------------------------------------------
    // The engine evaluates every ExternalInterface.call(NAME, args...) of a
    // movie as new Function('return (NAME)(...arguments);')(...args), looking
    // the global Function up at call time. Exactly that form is handed to the
    // program; every other use of Function behaves as before.
    const formaChamada = /^return \(([\s\S]*)\)\(\.\.\.arguments\);$/;
    const FuncaoOriginal = window.Function;

    function escaparXml(texto) {
        return texto
            .replace(/&/g, '&amp;')
            .replace(/</g, '&lt;')
            .replace(/>/g, '&gt;')
            .replace(/"/g, '&quot;')
            .replace(/'/g, '&apos;');
    }

    function propriedadeXml(id, valor) {
        return '<property id="' + escaparXml(String(id)) + '">' + valorXml(valor) + '</property>';
    }

    // A value in the player's XML form, as the Windows control writes it.
    function valorXml(valor) {
        if (valor === undefined) return '<undefined/>';
        if (valor === null) return '<null/>';
        switch (typeof valor) {
            case 'string':
                return '<string>' + escaparXml(valor) + '</string>';
            case 'number':
                return '<number>' + String(valor) + '</number>';
            case 'boolean':
                return valor ? '<true/>' : '<false/>';
            case 'object':
                if (Array.isArray(valor))
                    return '<array>' + valor.map((e, i) => propriedadeXml(i, e)).join('') + '</array>';
                return '<object>' + Object.keys(valor).map((k) => propriedadeXml(k, valor[k])).join('') + '</object>';
            default:
                return '<null/>';
        }
    }

    // The program answers with the reply decoded to JSON ([value]), or nothing.
    function chamarPrograma(nome, argumentos) {
        const pedido = '<invoke name="' + nome + '" returntype="xml"><arguments>' +
            argumentos.map(valorXml).join('') + '</arguments></invoke>';
        const resposta = avisar('chamada', pedido);
        return resposta === null ? undefined : JSON.parse(resposta)[0];
    }

    function chamadaExterna(args) {
        if (args.length !== 1 || typeof args[0] !== 'string') return null;
        const forma = formaChamada.exec(args[0]);
        if (!forma) return null;
        const nome = forma[1];
        return function () {
            return chamarPrograma(nome, Array.from(arguments));
        };
    }

    const Funcao = new Proxy(FuncaoOriginal, {
        apply(alvo, esse, args) {
            return chamadaExterna(args) ?? Reflect.apply(alvo, esse, args);
        },
        construct(alvo, args, novoAlvo) {
            return chamadaExterna(args) ?? Reflect.construct(alvo, args, novoAlvo);
        },
    });
    window.Function = Funcao;
    // Every function's constructor is Function, as before.
    Object.defineProperty(FuncaoOriginal.prototype, 'constructor', {
        value: Funcao, writable: true, enumerable: false, configurable: true});

    // --- Load failures ------------------------------------------------------
    // The engine reports a failed download of the movie only on its own
    // stage. Its download of the movie is watched here: a network error, an
    // HTTP error or a body that is no Flash movie is told to the program.
    let filmeAguardado = null;
    const buscarOriginal = window.fetch;

    function enderecoDe(entrada) {
        const url = new URL(entrada instanceof Request ? entrada.url : String(entrada), document.baseURI);
        url.hash = '';
        return url.href;
    }

    function falhar(carga, motivo, detalhe) {
        avisar('falha', JSON.stringify({carga, motivo, detalhe}));
    }

    async function verificarFilme(carga, resposta) {
        if (!resposta.ok) {
            falhar(carga, 'http', (resposta.status + ' ' + resposta.statusText).trim());
            return;
        }
        if (!resposta.body) {
            falhar(carga, 'formato', '');
            return;
        }
        const leitor = resposta.clone().body.getReader();
        let inicio = new Uint8Array(0);
        while (inicio.length < 3) {
            const {value, done} = await leitor.read();
            if (done) break;
            const junto = new Uint8Array(inicio.length + value.length);
            junto.set(inicio);
            junto.set(value, inicio.length);
            inicio = junto;
        }
        leitor.cancel();
        const assinatura = String.fromCharCode(...inicio.slice(0, 3));
        if (!['FWS', 'CWS', 'ZWS'].includes(assinatura)) falhar(carga, 'formato', '');
    }

    // The browser's fetch does not reach the engine's scheme (it does from
    // Qt 6.6 on); its loader fetches the WebAssembly from there, which is
    // read here the way the browser allows, and handed over as a response.
    function lerMotor(endereco) {
        return new Promise((cumprir, recusar) => {
            const pedido = new XMLHttpRequest();
            pedido.open('GET', endereco);
            pedido.responseType = 'arraybuffer';
            pedido.onload = () => cumprir(new Response(pedido.response, {
                status: pedido.status,
                headers: {'Content-Type': pedido.getResponseHeader('Content-Type') || ''},
            }));
            pedido.onerror = () => recusar(new TypeError('Failed to fetch ' + endereco));
            pedido.send();
        });
    }

    window.fetch = function (entrada, opcoes) {
        let endereco = null;
        try {
            endereco = enderecoDe(entrada);
        } catch (erro) {
            // not an address: the browser's fetch says so
        }
        if (endereco !== null && endereco.startsWith(MOTOR)) return lerMotor(endereco);
        const promessa = buscarOriginal.call(window, entrada, opcoes);
        if (filmeAguardado !== null && endereco === filmeAguardado.url) {
            const {carga} = filmeAguardado;
            filmeAguardado = null;
            promessa.then((resposta) => verificarFilme(carga, resposta), (erro) => falhar(carga, 'rede', String(erro)));
        }
        return promessa;
    };

    // --- Quality while the movie plays --------------------------------------
    // The engine changes the quality of a running movie only from its context
    // menu, whose quality items are low, medium and high, one after the other,
    // the current one checked and disabled. They are found by that shape (the
    // captions follow the user's language) and clicked before anything paints.
    function itensQualidade(menu) {
        const itens = Array.from(menu.children);
        for (let i = 0; i + 2 < itens.length; ++i) {
            const trio = itens.slice(i, i + 3);
            const anterior = itens[i - 1];
            const comeca = anterior === undefined || anterior.classList.contains('menu-separator');
            const forma = trio.every((item) => item.classList.contains('menu-item') &&
                item.classList.contains('checked') === item.classList.contains('disabled'));
            if (comeca && forma && trio.filter((item) => item.classList.contains('checked')).length === 1)
                return trio;
        }
        return null;
    }

    function aplicarQualidade(jogador, nome) {
        const menu = jogador.shadowRoot && jogador.shadowRoot.getElementById('context-menu');
        if (!menu || !jogador.ruffle().isPlaying) return false;
        jogador.dispatchEvent(new MouseEvent('contextmenu', {bubbles: true, cancelable: true}));
        const trio = itensQualidade(menu);
        const item = trio ? trio[nome === 'low' ? 0 : 2] : null;
        if (item && !item.classList.contains('checked')) {
            item.click(); // runs the engine's quality switch and closes the menu
            return true;
        }
        document.documentElement.click(); // closes the menu
        return item !== null;
    }

    // --- The program's side -------------------------------------------------
    let jogador = null;
    let qualidadeDesejada = null;
    let qualidadeAplicada = null;

    function tentarQualidade() {
        if (jogador && qualidadeDesejada !== qualidadeAplicada && aplicarQualidade(jogador, qualidadeDesejada))
            qualidadeAplicada = qualidadeDesejada;
    }

    window.RufflePlayer = {config: {polyfills: false}};

    // Keys go to the movie whenever the player's view has the focus.
    window.addEventListener('focus', () => jogador && jogador.focus());

    // The page is ready once the engine's script has run (or failed to).
    document.addEventListener('DOMContentLoaded', () =>
        avisar('pronta', JSON.stringify({pagina: Number(document.documentElement.dataset.pagina)})));

    window.quillet = {
        // Background colour ("#RRGGBB") and quality ("low" or "high"), at any time.
        configurar(config) {
            document.body.style.backgroundColor = config.fundo;
            qualidadeDesejada = config.qualidade;
            tentarQualidade();
        },

        // Plays the movie config.url with the engine's configuration config;
        // the messages about this load carry the number carga.
        carregar(config, carga) {
            if (typeof window.RufflePlayer.newest !== 'function') {
                falhar(carga, 'pagina', '');
                return;
            }
            filmeAguardado = {url: enderecoDe(config.url), carga};
            qualidadeAplicada = config.quality;
            jogador = window.RufflePlayer.newest().createPlayer();
            jogador.addEventListener('loadeddata', () => {
                avisar('carregado', JSON.stringify({carga}));
                tentarQualidade();
            });
            document.body.replaceChildren(jogador);
            jogador.focus();
            // The trace observer belongs to the engine's instance, which the load creates.
            const api = jogador.ruffle();
            api.load(config).then(
                () => (api.traceObserver = (linha) => console.log(RASTRO + linha)),
                (erro) => falhar(carga, 'motor', String(erro)));
        },
    };
})();
